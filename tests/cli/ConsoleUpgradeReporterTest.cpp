#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/ConsoleUpgradeReporter.h"
#include "radio/MemoryRadioPanel.h"

namespace {

TEST(ConsoleUpgradeReporter, PrintsEachChangeOnceAndLeavesTheResultInTheStatus)
{
    std::ostringstream out;
    CMemoryRadioPanel panel;
    CConsoleUpgradeReporter reporter(out, panel, "radio.dwn", 6);
    for (int progress : {5, 5, 3750, 3750, 10000}) reporter.ShowProgress(progress);
    reporter.EndUpgrade(false);

    EXPECT_EQ(out.str(), "Progress 0.05%\nProgress 37.50%\nProgress 100.00%\n");
    EXPECT_EQ(panel.StatusText(), "Upgrade Firmware Failure");
    reporter.EndUpgrade(true);
    EXPECT_EQ(panel.StatusText(), "Upgrade Firmware Success");
}

} // namespace
