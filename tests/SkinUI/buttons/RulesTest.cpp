#include <gtest/gtest.h>
#include "SkinUI/Control/ButtonStatePick.h"
#include "SkinUI/Control/LabelRules.h"
#include "SkinUI/Core/ControlState.h"

using namespace SkinUI;

namespace {

const unsigned int kCenter = CLabelRules::kCenter;
const unsigned int kRight = CLabelRules::kRight;
const unsigned int kVCenter = CLabelRules::kVCenter;
const unsigned int kBottom = CLabelRules::kBottom;
const unsigned int kSingleLine = CLabelRules::kSingleLine;
const unsigned int kWordBreak = 0x10;

} // namespace

TEST(LabelAlign, WordsAreSubstringsAppliedInOrder)
{
    // "vcenter" contains "center": horizontal centring comes along.
    EXPECT_EQ(CLabelRules::ApplyAlign(0, "vcenter"), kCenter | kVCenter | kSingleLine);
    EXPECT_EQ(CLabelRules::ApplyAlign(0, "right vcenter") & (kRight | kCenter), kRight | kCenter);
    EXPECT_EQ(CLabelRules::ApplyAlign(kCenter | kVCenter | kSingleLine | kWordBreak, "left"), kWordBreak);
    EXPECT_EQ(CLabelRules::ApplyAlign(kVCenter | kBottom, "top"), kSingleLine);
    EXPECT_EQ(CLabelRules::ApplyAlign(kVCenter, nullptr), kVCenter);
}

TEST(LabelEffectRules, ShadowOffsetByAngle)
{
    const struct {
        int distance, angle;
        float x, y;
    } cases[] = {{3, 45, -3.0f, -3.0f},
                 {3, -90, 0.0f, 3.0f},
                 {3, 180, 3.0f, -3.0f},
                 {3, -180, 3.0f, 0.0f},
                 {2, -91, 2.0f, 2.0f}};
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
    TButtonImageSet few;
    few.hot = true;
    few.focused = true;
    // A pushed button without a pushed image shows the normal image, not the hot one.
    EXPECT_EQ(CButtonStatePick::Pick(UISTATE_PUSHED | UISTATE_HOT, few), EButtonStep::Normal);
    EXPECT_EQ(CButtonStatePick::Pick(UISTATE_DISABLED | UISTATE_FOCUSED, few), EButtonStep::Normal);
    EXPECT_EQ(CButtonStatePick::Pick(UISTATE_HOT | UISTATE_FOCUSED, few), EButtonStep::Hot);
    EXPECT_EQ(CButtonStatePick::Pick(UISTATE_FOCUSED, few), EButtonStep::Focused);
}
