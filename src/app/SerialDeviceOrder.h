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

} // namespace trakora
