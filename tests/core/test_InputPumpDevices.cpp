// Port numbers of the settings mapped to the machine's serial devices.
#include "app/SerialDeviceOrder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace trakora;
using ::testing::ElementsAre;

namespace {

TEST(SerialDeviceOrder, UsbAndAcmAdaptorsComeFirstThenTheRestByNumberHoweverListed)
{
    const auto ordered = OrderSerialDevices({"/dev/ttyS10", "/dev/ttyS2", "/dev/ttyUSB10", "/dev/ttyS0",
                                             "/dev/ttyUSB2", "/dev/ttyACM0", "/dev/ttyAMA0"});
    EXPECT_THAT(ordered, ElementsAre("/dev/ttyACM0", "/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyAMA0",
                                     "/dev/ttyS0", "/dev/ttyS2", "/dev/ttyS10"));
    EXPECT_EQ(OrderSerialDevices({"/dev/ttyUSB1", "/dev/ttyS1", "/dev/ttyUSB0"}),
              OrderSerialDevices({"/dev/ttyS1", "/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyUSB0"}));
}

TEST(SerialDeviceOrder, PortNumberPicksTheNthDeviceAndOutOfRangeGivesNone)
{
    for (const auto& [number, device] : {std::pair{1, "/dev/ttyUSB0"}, {2, "/dev/ttyS0"}, {3, ""}, {0, ""}, {-1, ""}})
        EXPECT_EQ(DeviceForPortNumber({"/dev/ttyUSB0", "/dev/ttyS0"}, number), device) << number;
}

TEST(SerialDeviceOrder, AStoredReceiverIsFoundAgainByItsStableNameWhateverItsNumber)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "trakora-serial-by-id";
    fs::remove_all(dir);
    fs::create_directories(dir / "by-id");
    std::ofstream(dir / "ttyACM3").put('\n');
    std::ofstream(dir / "ttyUSB0").put('\n');
    fs::create_symlink(dir / "ttyACM3", dir / "by-id" / "usb-u-blox_GNSS_receiver-if00");
    const std::string byId = (dir / "by-id").string(), receiver = (dir / "ttyACM3").string();

    EXPECT_EQ(StableDevicePath(receiver, byId), byId + "/usb-u-blox_GNSS_receiver-if00");
    EXPECT_EQ(StableDevicePath((dir / "ttyUSB0").string(), byId), (dir / "ttyUSB0").string()) << "no link: itself";
    EXPECT_EQ(StableDevicePath("/dev/trakora-none", byId), "/dev/trakora-none");

    const std::vector<std::string> devices = {"/dev/ttyUSB0", "/dev/ttyACM3"};
    const std::string link = byId + "/usb-u-blox_GNSS_receiver-if00";
    EXPECT_EQ(ChooseSerialDevice(link, 1, devices), link) << "the stored receiver wins over the port number";
    EXPECT_EQ(ChooseSerialDevice(byId + "/unplugged", 2, devices), "/dev/ttyACM3") << "gone: the port number";
    EXPECT_EQ(ChooseSerialDevice("", 3, devices), "");
    fs::remove_all(dir);
}

} // namespace
