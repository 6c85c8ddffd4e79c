#pragma once

#include <string>
#include <vector>

namespace trakora {

// The machine's serial devices in the order port numbers refer to them:
// USB and ACM adaptors (where receivers are plugged in today) first, then
// the others; within each group by name with numbers compared as numbers,
// so ttyUSB2 comes before ttyUSB10. Port number n is the n-th entry.
std::vector<std::string> OrderSerialDevices(std::vector<std::string> devices);

// The device of port number `portNumber` (from 1), "" when there is none.
std::string DeviceForPortNumber(const std::vector<std::string>& orderedDevices, int portNumber);

// The device to open: the preferred one while it exists (the receiver chosen
// before, wherever the system numbers it now), else that of the port number.
std::string ChooseSerialDevice(const std::string& preferred, int portNumber,
                               const std::vector<std::string>& orderedDevices);

// A name for `device` that stays the same when devices are renumbered: its
// link in `byIdFolder` when there is one, else the device itself.
std::string StableDevicePath(const std::string& device, const std::string& byIdFolder = "/dev/serial/by-id");

// A serial device as the Settings dialog lists it.
struct SerialDeviceInfo {
    std::string Path;
    std::string Description; // "u-blox GNSS receiver"; empty when the system says nothing
};

} // namespace trakora
