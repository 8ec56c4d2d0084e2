#include <gtest/gtest.h>
#include "SkinUI/Control/ButtonStatePick.h"
#include "SkinUI/Control/LabelRules.h"
#include "SkinUI/Control/OptionSelection.h"
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

TEST(LabelEffectRules, HintsAlphaAndSecondColours)
{
    EXPECT_EQ(CLabelRules::ClampRenderingHint(5), 5);
    EXPECT_EQ(CLabelRules::ClampRenderingHint(6), 0);
    EXPECT_EQ(CLabelRules::ClampRenderingHint(-1), 0);
    EXPECT_EQ(CLabelRules::WithAlpha(0xFF123456, 0x40), 0x40123456u);
    EXPECT_EQ(CLabelRules::WithAlpha(0x00ABCDEF, 255), 0xFFABCDEFu);
    EXPECT_EQ(CLabelRules::SecondColor(0xFFFFFFFF, 0xFF00FF00), 0xFF00FF00u);
    EXPECT_EQ(CLabelRules::SecondColor(0xFFFFFFFE, 0xFF00FF00), 0xFFFFFFFEu);
}

TEST(LabelEffectRules, ShadowOffsetByAngle)
{
    float x = 7.0f;
    float y = 7.0f;
    ASSERT_TRUE(CLabelRules::ShadowOffset(3, 45, x, y));
    EXPECT_FLOAT_EQ(x, -3.0f);
    EXPECT_FLOAT_EQ(y, -3.0f);
    ASSERT_TRUE(CLabelRules::ShadowOffset(3, -90, x, y));
    EXPECT_FLOAT_EQ(x, 0.0f);
    EXPECT_FLOAT_EQ(y, 3.0f);
    ASSERT_TRUE(CLabelRules::ShadowOffset(3, 180, x, y));
    EXPECT_FLOAT_EQ(x, 3.0f);
    EXPECT_FLOAT_EQ(y, -3.0f);
    ASSERT_TRUE(CLabelRules::ShadowOffset(3, -180, x, y));
    EXPECT_FLOAT_EQ(x, 3.0f);
    EXPECT_FLOAT_EQ(y, 0.0f);
    ASSERT_TRUE(CLabelRules::ShadowOffset(2, -91, x, y));
    EXPECT_FLOAT_EQ(x, 2.0f);
    EXPECT_FLOAT_EQ(y, 2.0f);
    x = 9.0f;
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

TEST(OptionSelection, GroupedOptionsReportOnlyBeingSelected)
{
    const TOptionChange same = COptionSelection::Change(true, true, true);
    EXPECT_FALSE(same.changed);
    EXPECT_FALSE(same.notify);
    const TOptionChange on = COptionSelection::Change(true, false, true);
    EXPECT_TRUE(on.changed);
    EXPECT_TRUE(on.unselectOthers);
    EXPECT_TRUE(on.notify);
    const TOptionChange off = COptionSelection::Change(true, true, false);
    EXPECT_TRUE(off.changed);
    EXPECT_FALSE(off.unselectOthers);
    EXPECT_FALSE(off.notify);
    const TOptionChange looseOff = COptionSelection::Change(false, true, false);
    EXPECT_TRUE(looseOff.notify);
    EXPECT_FALSE(looseOff.unselectOthers);
    EXPECT_FALSE(COptionSelection::Change(false, true, true).changed);
}

TEST(OptionSelection, ActivationSelectsGroupedAndTogglesLoose)
{
    EXPECT_TRUE(COptionSelection::ActivateTarget(true, true));
    EXPECT_TRUE(COptionSelection::ActivateTarget(true, false));
    EXPECT_FALSE(COptionSelection::ActivateTarget(false, true));
    EXPECT_TRUE(COptionSelection::ActivateTarget(false, false));
}
