#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "radio/ComRadioLink.h"
#include "radio/FirmwareUpgrade.h"
#include "radio/MemoryRadioPanel.h"
#include "tests/integration/RecordingUpgradeReporter.h"
#include "tests/integration/SimulatedRadio.h"

namespace {

using Lines = std::vector<std::string>;

// The radio's log of an upgrade that got this far.
Lines Exchange(int pages)
{
    Lines lines{"boot_start"};
    for (int page = 1; page <= pages; ++page)
        lines.insert(lines.end(), {"write page", "<page " + std::to_string(page) + " 258 bytes checksum ok>"});
    return lines;
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

    bool Upgrade(const std::string& scenario, const std::string& image)
    {
        radio.Start(scenario);
        WriteFirmwareFile(path, image);
        CMemoryRadioPanel panel;
        CComRadioLink link(panel);
        CFirmwareUpgrade(link, reporter).UpgradeFirmware();
        return reporter.succeeded;
    }

    CSimulatedRadio radio;
    std::string path = ::testing::TempDir() + "cable-upgrade.dwn";
    CRecordingUpgradeReporter reporter{path, radio.Port()};
};

} // namespace

TEST_F(UpgradeOverCableTest, RadioTakesEveryWholePageInOrder)
{
    const std::string image = FirmwareImage(4096 + 256 * 6 + 40);
    const char* out = std::getenv("RADIOSIM_FIRMWARE"); // where the radio keeps what it took, if the run asked
    const std::string firmwareOut = out && *out ? WindowsPathOf(out) : "";
    std::remove(firmwareOut.c_str());

    ASSERT_TRUE(Upgrade("", image));

    Lines expected = Exchange(7);
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
    EXPECT_FALSE(Upgrade("--boot-fail 3", FirmwareImage(4096 + 256 * 6)));
    EXPECT_EQ(radio.NewCommands(), Exchange(3));
    EXPECT_EQ(reporter.progress.size(), 1u);
}
