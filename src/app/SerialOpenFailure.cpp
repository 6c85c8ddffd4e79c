#include "app/SerialOpenFailure.h"

#include <cerrno>
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace trakora {

DeviceGroup DeviceGroupOf(const std::string& path)
{
    struct stat status {};
    if (path.empty() || ::stat(path.c_str(), &status) != 0)
        return {};

    DeviceGroup group{std::to_string(status.st_gid), (status.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP)};
    std::vector<char> buffer(4096);
    struct group entry {};
    struct group* found = nullptr;
    while (::getgrgid_r(status.st_gid, &entry, buffer.data(), buffer.size(), &found) == ERANGE)
        buffer.resize(buffer.size() * 2);
    if (found != nullptr)
        group.Name = found->gr_name;
    return group;
}

int DeviceAccessError(const std::string& path)
{
    // The effective ids decide, as they do for the open that failed.
    return ::faccessat(AT_FDCWD, path.c_str(), R_OK | W_OK, AT_EACCESS) == 0 ? 0 : errno;
}

bool IsPermissionError(int errorNumber)
{
    return errorNumber == EACCES || errorNumber == EPERM;
}

std::string SerialOpenFailureMessage(int commPort, const std::string& device, const FileResult& opened,
                                     const DeviceGroup& group, const std::string& doubleLineBreak)
{
    const std::string port = "Comm Port " + std::to_string(commPort);
    if (!IsPermissionError(opened.ErrorNumber)) {
        const std::string tried = device.empty() ? "Device tried: none" : "Device tried: " + device;
        return port + " is not available, please choose another." + doubleLineBreak + tried + " (" +
               opened.ErrorText + ")";
    }

    const std::string denied = port + " (" + device + ") cannot be opened: you have no permission to use " +
                               device + ".";
    if (group.Name.empty() || !group.MembersMayReadWrite)
        return denied + doubleLineBreak + "Ask the administrator of this computer for read and write access to " +
               device + ".";
    return denied + doubleLineBreak + "The device belongs to the group " + group.Name +
           ". Join that group with the command" + doubleLineBreak + "sudo usermod -aG " + group.Name + " $USER" +
           doubleLineBreak + "then log out and log in again.";
}

} // namespace trakora
