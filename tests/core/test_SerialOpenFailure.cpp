// What the user is told when the serial port cannot be opened, and the
// device facts behind a "no permission" answer.
#include "app/SerialOpenFailure.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace trakora;

namespace {

TEST(SerialOpenFailure, LackOfPermissionNamesTheGroupToJoinOtherFailuresAskForAnotherPort)
{
    const std::string usb = "/dev/ttyUSB0";
    const std::string noPermission =
        "Comm Port 2 (/dev/ttyUSB0) cannot be opened: you have no permission to use /dev/ttyUSB0.\n\n";
    auto notAvailable = [](const std::string& tried) {
        return "Comm Port 2 is not available, please choose another.\n\nDevice tried: " + tried + " (why)";
    };
    auto join = [&](const std::string& group) {
        return noPermission + "The device belongs to the group " + group + ". Join that group with the command\n\n"
               "sudo usermod -aG " + group + " $USER\n\nthen log out and log in again.";
    };
    const std::string askAdmin = noPermission + "Ask the administrator of this computer for read and write access to "
                                                "/dev/ttyUSB0.";
    const struct { int error; std::string device; DeviceGroup group; std::string expected; } cases[] = {
        {ENOENT, usb, {}, notAvailable(usb)},
        {EIO, "", {}, notAvailable("none")},
        {EBUSY, usb, {"dialout", true}, notAvailable(usb)}, // busy is not a matter of groups
        {EACCES, usb, {"dialout", true}, join("dialout")},
        {EPERM, usb, {"uucp", true}, join("uucp")},
        // Joining a group that may not read and write, or an unknown one, would not help.
        {EACCES, usb, {"root", false}, askAdmin},
        {EACCES, usb, {"", false}, askAdmin},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SerialOpenFailureMessage(2, c.device, FileResult{false, c.error, "why"}, c.group, "\n\n"),
                  c.expected)
            << c.error << " " << c.group.Name;
}

TEST(SerialOpenFailure, GroupAndAccessAreReadFromTheDeviceFile)
{
    const std::string file = ::testing::TempDir() + "trakora-serial-device";
    std::ofstream(file).put('x');
    const bool root = ::geteuid() == 0;
    const gid_t keep = static_cast<gid_t>(-1);
    struct Case { std::string path; mode_t mode; gid_t gid; std::optional<DeviceGroup> group; int access; };
    std::vector<Case> cases = {
        {"/dev/null", 0, keep, DeviceGroup{"root", true}, 0},
        {file + ".missing", 0, keep, DeviceGroup{}, ENOENT},
        // Not writable even by its owner: only root may open it for writing.
        {file, 0440, keep, std::nullopt, root ? 0 : EACCES},
    };
    if (root) {
        // Group 20 is dialout on every Debian system; 54321 has no name here.
        cases.push_back({file, 0660, 20, DeviceGroup{"dialout", true}, 0});
        cases.push_back({file, 0640, 54321, DeviceGroup{"54321", false}, 0});
    }
    for (const Case& c : cases) {
        if (c.mode != 0) {
            ASSERT_EQ(::chmod(c.path.c_str(), c.mode), 0);
            ASSERT_EQ(::chown(c.path.c_str(), static_cast<uid_t>(-1), c.gid), 0);
        }
        if (c.group) {
            EXPECT_EQ(DeviceGroupOf(c.path), *c.group) << c.path << " " << c.gid;
        }
        EXPECT_EQ(DeviceAccessError(c.path), c.access) << c.path << " " << c.mode;
    }
    std::remove(file.c_str());
}

} // namespace
