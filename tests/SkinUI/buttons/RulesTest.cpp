#include <gtest/gtest.h>
#include "SkinUI/Control/ButtonStatePick.h"
#include "SkinUI/Control/LabelRules.h"
#include "SkinUI/Core/ControlUI.h"

using namespace SkinUI;

TEST(LabelAlign, WordsAreSubstringsAppliedInOrder)
{
    // "vcenter" contains "center": horizontal centring comes along.
    EXPECT_EQ(CLabelRules::ApplyAlign(0, "vcenter"), UINT(DT_CENTER | DT_VCENTER | DT_SINGLELINE));
    const UINT both = CLabelRules::ApplyAlign(0, "right vcenter");
    EXPECT_NE(both & DT_RIGHT, 0u);
    EXPECT_NE(both & DT_CENTER, 0u);
    EXPECT_EQ(CLabelRules::ApplyAlign(DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_WORDBREAK, "left"),
              UINT(DT_WORDBREAK));
    EXPECT_EQ(CLabelRules::ApplyAlign(DT_RIGHT, "center"), UINT(DT_CENTER));
    EXPECT_EQ(CLabelRules::ApplyAlign(DT_VCENTER | DT_BOTTOM, "top"), UINT(DT_SINGLELINE));
    EXPECT_EQ(CLabelRules::ApplyAlign(DT_VCENTER, "bottom"), UINT(DT_BOTTOM | DT_SINGLELINE));
    EXPECT_EQ(CLabelRules::ApplyAlign(DT_END_ELLIPSIS, "nothing"), UINT(DT_END_ELLIPSIS));
    EXPECT_EQ(CLabelRules::ApplyAlign(DT_VCENTER, nullptr), UINT(DT_VCENTER));
}

TEST(LabelEffectRules, ShadowOffsetByAngle)
{
    const struct { int distance, angle; float x, y; } cases[] = {
        {3, 45, -3.0f, -3.0f}, {3, -90, 0.0f, 3.0f}, {3, 180, 3.0f, -3.0f}, {3, -180, 3.0f, 0.0f}, {2, -91, 2.0f, 2.0f}};
    for (const auto& c : cases) {
        float x = 7.0f;
        float y = 7.0f;
        ASSERT_TRUE(CLabelRules::ShadowOffset(c.distance, c.angle, x, y)) << c.angle;
        EXPECT_FLOAT_EQ(x, c.x) << c.angle;
        EXPECT_FLOAT_EQ(y, c.y) << c.angle;
    }
    float x = 9.0f;
    float y = 9.0f;
    EXPECT_FALSE(CLabelRules::ShadowOffset(3, 181, x, y));
    EXPECT_FALSE(CLabelRules::ShadowOffset(3, -181, x, y));
    EXPECT_FLOAT_EQ(x, 9.0f);
}

TEST(ButtonStatePick, FirstStateBitDecidesAndFallsBackToNormal)
{
    TButtonImageSet all;
    all.disabled = all.pushed = all.hot = all.hotBkColor = all.focused = true;
    EXPECT_EQ(CButtonStatePick::Pick(UISTATE_DISABLED | UISTATE_HOT, all), EButtonStep::Disabled);
    EXPECT_EQ(CButtonStatePick::Pick(UISTATE_PUSHED | UISTATE_HOT | UISTATE_FOCUSED, all), EButtonStep::Pushed);
    EXPECT_EQ(CButtonStatePick::Pick(UISTATE_HOT | UISTATE_FOCUSED, all), EButtonStep::Hot);
    EXPECT_EQ(CButtonStatePick::Pick(UISTATE_FOCUSED, all), EButtonStep::Focused);
    EXPECT_EQ(CButtonStatePick::Pick(UISTATE_SELECTED, all), EButtonStep::Normal);

    TButtonImageSet few;
    few.hot = true;
    few.focused = true;
    // A pushed button without a pushed image shows the normal image, not the hot one.
    EXPECT_EQ(CButtonStatePick::Pick(UISTATE_PUSHED | UISTATE_HOT, few), EButtonStep::Normal);
    EXPECT_EQ(CButtonStatePick::Pick(UISTATE_DISABLED | UISTATE_FOCUSED, few), EButtonStep::Normal);
    TButtonImageSet colourOnly;
    colourOnly.hotBkColor = true;
    EXPECT_EQ(CButtonStatePick::Pick(UISTATE_HOT, colourOnly), EButtonStep::HotColor);
    EXPECT_EQ(CButtonStatePick::Pick(UISTATE_FOCUSED, colourOnly), EButtonStep::Normal);
}
