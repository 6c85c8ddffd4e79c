// Port numbers of the settings mapped to the machine's serial devices.
#include "app/SerialDeviceOrder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace trakora;
using ::testing::ElementsAre;

namespace {

TEST(SerialDeviceOrder, UsbAndAcmAdaptorsComeFirstThenTheRestByNumber)
{
    const auto ordered = OrderSerialDevices({"/dev/ttyS10", "/dev/ttyS2", "/dev/ttyUSB10", "/dev/ttyS0",
                                             "/dev/ttyUSB2", "/dev/ttyACM0", "/dev/ttyAMA0"});
    EXPECT_THAT(ordered, ElementsAre("/dev/ttyACM0", "/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyAMA0",
                                     "/dev/ttyS0", "/dev/ttyS2", "/dev/ttyS10"));
}

TEST(SerialDeviceOrder, OrderDoesNotDependOnHowTheSystemListedThem)
{
    const std::vector<std::string> a = {"/dev/ttyUSB1", "/dev/ttyS1", "/dev/ttyUSB0"};
    const std::vector<std::string> b = {"/dev/ttyS1", "/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyUSB0"};
    EXPECT_EQ(OrderSerialDevices(a), OrderSerialDevices(b));
}

TEST(SerialDeviceOrder, PortNumberPicksTheNthDeviceAndOutOfRangeGivesNone)
{
    const std::vector<std::string> devices = {"/dev/ttyUSB0", "/dev/ttyS0"};
    EXPECT_EQ(DeviceForPortNumber(devices, 1), "/dev/ttyUSB0");
    EXPECT_EQ(DeviceForPortNumber(devices, 2), "/dev/ttyS0");
    EXPECT_EQ(DeviceForPortNumber(devices, 3), "");
    EXPECT_EQ(DeviceForPortNumber(devices, 0), "");
    EXPECT_EQ(DeviceForPortNumber(devices, -1), "");
}

} // namespace
