#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "radio/ComRadioLink.h"
#include "radio/FirmwareUpgrade.h"
#include "radio/MemoryRadioPanel.h"
#include "tests/integration/RecordingUpgradeReporter.h"
#include "tests/integration/SimulatedRadio.h"

namespace {

// Where the simulated radio writes the firmware it took, if the run asked it to.
std::string FirmwareOutPath()
{
    const char* path = std::getenv("RADIOSIM_FIRMWARE");
    return path && *path ? WindowsPathOf(path) : "";
}

std::string ReadWhole(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string PageLine(int number)
{
    return "<page " + std::to_string(number) + " 258 bytes checksum ok>";
}

class UpgradeOverCableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!radio.IsAvailable()) GTEST_SKIP() << "no simulated radio (run through tools/test.sh)";
        radio.NewCommands();
    }
    void TearDown() override
    {
        std::remove(path.c_str());
        radio.Start("");
    }

    bool Upgrade(const std::string& image)
    {
        WriteFirmwareFile(path, image);
        CMemoryRadioPanel panel;
        CComRadioLink link(panel);
        CFirmwareUpgrade upgrade(link, reporter);
        upgrade.UpgradeFirmware();
        return reporter.ended && reporter.succeeded;
    }

    CSimulatedRadio radio;
    std::string path = ::testing::TempDir() + "cable-upgrade.dwn";
    CRecordingUpgradeReporter reporter{path, radio.Port()};
};

} // namespace

TEST_F(UpgradeOverCableTest, RadioTakesEveryWholePageInOrder)
{
    std::string image = FirmwareImage(4096 + 256 * 6 + 40);
    std::string firmwareOut = FirmwareOutPath();
    if (!firmwareOut.empty()) std::remove(firmwareOut.c_str());
    radio.Start("");

    ASSERT_TRUE(Upgrade(image));

    std::vector<std::string> expected = {"boot_start"};
    for (int page = 1; page <= 7; ++page) {
        expected.push_back("write page");
        expected.push_back(PageLine(page));
    }
    expected.push_back("ISP finish");
    EXPECT_EQ(radio.NewCommands(), expected);
    EXPECT_EQ(reporter.progress.size(), 6u);
    if (firmwareOut.empty()) return;
    std::string taken;
    for (int attempt = 0; attempt < 50 && taken.empty(); ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        taken = ReadWhole(firmwareOut);
    }
    EXPECT_TRUE(taken == image.substr(0, 256) + image.substr(4096, 256 * 6)) << "the radio took other bytes";
}

TEST_F(UpgradeOverCableTest, PageTheBootLoaderRefusesEndsTheUpgrade)
{
    radio.Start("--boot-fail 3");

    EXPECT_FALSE(Upgrade(FirmwareImage(4096 + 256 * 6)));

    std::vector<std::string> commands = radio.NewCommands();
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(commands.back(), PageLine(3));
    EXPECT_EQ(commands.size(), 7u);
    EXPECT_EQ(reporter.progress.size(), 1u);
}
