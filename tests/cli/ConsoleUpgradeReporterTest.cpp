#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/ConsoleUpgradeReporter.h"
#include "radio/MemoryRadioPanel.h"

namespace {

TEST(ConsoleUpgradeReporter, ProgressLinesShowHundredthsOfAPercent)
{
    EXPECT_EQ(CConsoleUpgradeReporter::ProgressLine(0), "Progress 0.00%");
    EXPECT_EQ(CConsoleUpgradeReporter::ProgressLine(5), "Progress 0.05%");
    EXPECT_EQ(CConsoleUpgradeReporter::ProgressLine(3750), "Progress 37.50%");
    EXPECT_EQ(CConsoleUpgradeReporter::ProgressLine(10000), "Progress 100.00%");
}

TEST(ConsoleUpgradeReporter, PrintsEachChangeOnceAndLeavesTheResultInTheStatus)
{
    std::ostringstream out;
    CMemoryRadioPanel panel;
    CConsoleUpgradeReporter reporter(out, panel, "radio.dwn", 6);
    std::string path;
    ASSERT_TRUE(reporter.ChooseFirmwareFile(path));
    EXPECT_EQ(path, "radio.dwn");
    EXPECT_EQ(reporter.BeginUpgrade(), 6);

    for (int progress : {2500, 2500, 5000, 5000, 5000, 10000})
        reporter.ShowProgress(progress);
    reporter.EndUpgrade(false);

    EXPECT_EQ(out.str(), "Progress 25.00%\nProgress 50.00%\nProgress 100.00%\n");
    EXPECT_EQ(panel.StatusText(), "Upgrade Firmware Failure");
    EXPECT_FALSE(panel.StatusSuccess());
    reporter.EndUpgrade(true);
    EXPECT_EQ(panel.StatusText(), "Upgrade Firmware Success");
}

}  // namespace
