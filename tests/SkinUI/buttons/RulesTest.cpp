#include <gtest/gtest.h>
#include "SkinUI/Control/ButtonStatePick.h"
#include "SkinUI/Core/ControlState.h"

using namespace SkinUI;

TEST(ButtonStatePick, FirstStateBitDecidesAndFallsBackToNormal)
{
    TButtonImageSet few;
    few.hot = true;
    few.focused = true;
    // A pushed button without a pushed image shows the normal image, not the hot one.
    EXPECT_EQ(CButtonStatePick::Pick(UISTATE_PUSHED | UISTATE_HOT, few), EButtonStep::Normal);
    EXPECT_EQ(CButtonStatePick::Pick(UISTATE_HOT | UISTATE_FOCUSED, few), EButtonStep::Hot);
    EXPECT_EQ(CButtonStatePick::Pick(UISTATE_FOCUSED, few), EButtonStep::Focused);
}
