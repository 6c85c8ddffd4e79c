#include "app/SerialDeviceOrder.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string_view>

namespace trakora {

namespace {

std::string_view BaseName(std::string_view path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool IsUsbOrAcm(std::string_view path)
{
    const std::string_view name = BaseName(path);
    return name.starts_with("ttyUSB") || name.starts_with("ttyACM");
}

// Compares names piecewise, runs of digits by their value.
bool NaturalLess(std::string_view a, std::string_view b)
{
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const bool digitA = std::isdigit(static_cast<unsigned char>(a[i])) != 0;
        const bool digitB = std::isdigit(static_cast<unsigned char>(b[j])) != 0;
        if (digitA && digitB) {
            std::size_t endA = i, endB = j;
            while (endA < a.size() && std::isdigit(static_cast<unsigned char>(a[endA])))
                ++endA;
            while (endB < b.size() && std::isdigit(static_cast<unsigned char>(b[endB])))
                ++endB;
            std::string_view numA = a.substr(i, endA - i), numB = b.substr(j, endB - j);
            while (numA.size() > 1 && numA.front() == '0')
                numA.remove_prefix(1);
            while (numB.size() > 1 && numB.front() == '0')
                numB.remove_prefix(1);
            if (numA.size() != numB.size())
                return numA.size() < numB.size();
            if (numA != numB)
                return numA < numB;
            i = endA;
            j = endB;
        } else {
            if (a[i] != b[j])
                return a[i] < b[j];
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

} // namespace

std::vector<std::string> OrderSerialDevices(std::vector<std::string> devices)
{
    std::sort(devices.begin(), devices.end(), [](const std::string& a, const std::string& b) {
        const bool usbA = IsUsbOrAcm(a), usbB = IsUsbOrAcm(b);
        if (usbA != usbB)
            return usbA;
        if (NaturalLess(BaseName(a), BaseName(b)))
            return true;
        if (NaturalLess(BaseName(b), BaseName(a)))
            return false;
        return a < b;
    });
    devices.erase(std::unique(devices.begin(), devices.end()), devices.end());
    return devices;
}

std::string DeviceForPortNumber(const std::vector<std::string>& orderedDevices, int portNumber)
{
    if (portNumber < 1 || static_cast<std::size_t>(portNumber) > orderedDevices.size())
        return {};
    return orderedDevices[static_cast<std::size_t>(portNumber) - 1];
}

std::string ChooseSerialDevice(const std::string& preferred, int portNumber,
                               const std::vector<std::string>& orderedDevices)
{
    std::error_code ignored;
    if (!preferred.empty() && std::filesystem::exists(preferred, ignored))
        return preferred;
    return DeviceForPortNumber(orderedDevices, portNumber);
}

std::string StableDevicePath(const std::string& device, const std::string& byIdFolder)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path target = fs::canonical(device, error);
    if (error)
        return device;
    for (fs::directory_iterator it(byIdFolder, error); !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code linkError;
        if (fs::canonical(it->path(), linkError) == target && !linkError)
            return it->path().string();
    }
    return device;
}

} // namespace trakora
