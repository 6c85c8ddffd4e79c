#pragma once

#include "common/FileResult.h"

#include <string>

namespace trakora {

// The group that owns a device file, and whether its members may read and
// write the device (joining a group without those rights would not help).
struct DeviceGroup {
    std::string Name; // "" when the file cannot be examined; the number when the group has no name
    bool MembersMayReadWrite = false;

    bool operator==(const DeviceGroup&) const = default;
};

DeviceGroup DeviceGroupOf(const std::string& path);

// 0 when this process may read and write the device, otherwise the system's
// reason (ENOENT, EACCES, ...).
int DeviceAccessError(const std::string& path);

// True for the error numbers that mean "not yours to open".
bool IsPermissionError(int errorNumber);

// What the user is told when the serial port could not be opened. Lack of
// permission names the group to join and how; every other failure asks for
// another port.
std::string SerialOpenFailureMessage(int commPort, const std::string& device, const FileResult& opened,
                                     const DeviceGroup& group, const std::string& doubleLineBreak);

} // namespace trakora
