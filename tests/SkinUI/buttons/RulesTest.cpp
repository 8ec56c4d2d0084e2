#include <gtest/gtest.h>
#include "SkinUI/Control/ButtonStatePick.h"
#include "SkinUI/Control/LabelRules.h"
#include "SkinUI/Core/ControlState.h"

using namespace SkinUI;

TEST(LabelEffectRules, ShadowOffsetByAngle)
{
    const float cases[][4] = {{3, 180, 3, -3}, {3, -180, 3, 0}};
    for (const auto& c : cases) {
        float x = 7.0f;
        float y = 7.0f;
        ASSERT_TRUE(CLabelRules::ShadowOffset(static_cast<int>(c[0]), static_cast<int>(c[1]), x, y)) << c[1];
        EXPECT_FLOAT_EQ(x, c[2]) << c[1];
        EXPECT_FLOAT_EQ(y, c[3]) << c[1];
    }
    float x = 9.0f;
    float y = 9.0f;
    EXPECT_FALSE(CLabelRules::ShadowOffset(3, 181, x, y));
    EXPECT_FALSE(CLabelRules::ShadowOffset(3, -181, x, y));
    EXPECT_FLOAT_EQ(x, 9.0f);
}

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
