#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "serial/SerialDevices.h"

namespace fs = std::filesystem;

// A /dev of the test's own: what is listed, in which order, and which names
// reach the same device.
TEST(SerialDevices, StableNamesFirstThenUsbAndAcmDevicesByNumber)
{
    const fs::path root = fs::path(::testing::TempDir()) / "radiocfg-dev";
    fs::remove_all(root);
    fs::create_directories(root / "serial" / "by-id");
    for (const char* name : {"ttyUSB10", "ttyUSB2", "ttyACM0", "ttyUSB0", "ttyS0", "tty", "ttyUSBx", "ttyUSB", "null"})
        std::ofstream(root / name) << "";
    fs::create_symlink("../../ttyUSB0", root / "serial" / "by-id" / "usb-FTDI_B-if00-port0");
    fs::create_symlink("../../ttyACM0", root / "serial" / "by-id" / "usb-Acme_A-if00");

    const std::vector<std::string> listed = ListSerialDevices(root.string());
    const std::string r = root.string();
    EXPECT_EQ(listed,
              (std::vector<std::string>{r + "/serial/by-id/usb-Acme_A-if00", r + "/serial/by-id/usb-FTDI_B-if00-port0",
                                        r + "/ttyACM0", r + "/ttyUSB0", r + "/ttyUSB2", r + "/ttyUSB10"}));
    EXPECT_EQ(DistinctDevices(listed),
              (std::vector<std::string>{r + "/serial/by-id/usb-Acme_A-if00", r + "/serial/by-id/usb-FTDI_B-if00-port0",
                                        r + "/ttyUSB2", r + "/ttyUSB10"}));
    fs::remove_all(root);
    EXPECT_TRUE(ListSerialDevices(root.string()).empty());
}
