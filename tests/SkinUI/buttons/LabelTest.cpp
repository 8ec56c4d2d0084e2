#include <gtest/gtest.h>
#include "SkinUI/Control/LabelUI.h"
#include "tests/SkinUI/buttons/ButtonsHost.h"

using namespace SkinUI;

namespace {

const RECT kArea = {0, 0, 300, 40};

class LabelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        label->SetText("Wide");
        label->SetTextColor(0xFFFF0000);
    }
    // Smoothed text: the edges of its strokes, blended with the black background, are ink too.
    int Red(const RECT& rc) { return host.CountNear(rc, RGB(255, 0, 0), 200); }

    CButtonsHost host;
    CLabelUI* label = host.Add(new CLabelUI, 40);
};

} // namespace

TEST_F(LabelTest, AlignmentAndPaddingMoveTheText)
{
    const struct {
        const char* align;
        const char* padding;
        RECT inked, blank;
    } cases[] = {
        {"right", "0,0,0,0", {150, 0, 300, 40}, {0, 0, 150, 40}},
        {"center", "0,0,0,0", {100, 0, 200, 40}, {0, 0, 90, 40}},
        {"top", "0,0,0,0", {0, 0, 300, 20}, {0, 25, 300, 40}},
        {"bottom", "0,0,0,0", {0, 18, 300, 40}, {0, 0, 300, 18}},
        {"left top", "60,0,0,0", {60, 0, 300, 40}, {0, 0, 58, 40}},
    };
    for (const auto& c : cases) {
        label->SetAttribute("align", c.align);
        label->SetAttribute("textpadding", c.padding);
        EXPECT_GT(Red(c.inked), 10) << c.align;
        EXPECT_EQ(Red(c.blank), 0) << c.align;
    }
}

TEST_F(LabelTest, HtmlAndDisabledColours)
{
    label->SetText("{c #FF00FF00}green{/c}");
    label->SetAttribute("showhtml", "true");
    EXPECT_GT(host.CountNear(kArea, RGB(0, 255, 0)), 5);
    EXPECT_EQ(Red(kArea), 0);
    label->SetShowHtml(false);
    label->SetAttribute("disabledtextcolor", "#FF0000FF");
    label->SetEnabled(false);
    EXPECT_EQ(Red(kArea), 0);
    EXPECT_GT(host.CountNear(kArea, RGB(0, 0, 255)), 5);
}

TEST(LabelAttributes, EffectTextIsKeptApartAndShadowOffsetStaysRelative)
{
    CLabelUI label;
    label.SetAttribute("enabledeffect", "true");
    label.SetAttribute("text", "effect");
    EXPECT_STREQ(label.GetText(), "effect");
    label.SetEnabledEffect(false);
    EXPECT_TRUE(label.GetText().IsEmpty());
    label.SetText("plain");
    label.SetEnabledEffect(true);
    EXPECT_STREQ(label.GetText(), "effect");

    label.SetPos(RECT{100, 50, 200, 80});
    label.SetAttribute("shadowoffset", "2,45");
    EXPECT_EQ(label.GetShadowOffset().x, -2);
    EXPECT_EQ(label.GetShadowOffset().y, -2);
    label.SetAttribute("shadowoffset", "5,200");
    EXPECT_EQ(label.GetShadowOffset().x, -2);
}

TEST_F(LabelTest, EffectPathDrawsTextStrokeAndShadowAtItsOffset)
{
    label->SetText("");
    label->SetEnabledEffect(true);
    label->SetText("WWWW");
    EXPECT_GT(host.CountNear(RECT{0, 0, 150, 40}, RGB(255, 120, 120), 150), 10);
    label->SetEnabledStroke(true);
    label->SetStrokeColor(0xFF0000FF);
    EXPECT_GT(host.CountNear(kArea, RGB(0, 0, 255), 90), 10);
    label->SetEnabledStroke(false);

    label->SetTransText(0);
    label->SetTransText1(0);
    EXPECT_EQ(host.CountNear(kArea, RGB(255, 255, 255), 0), 300 * 40);
    label->SetEnabledShadow(true);
    label->SetTextShadowColorA(0xFF00C000);
    label->SetTransShadow(255);
    label->SetTransShadow1(255);
    label->SetShadowOffset(10, -180);
    EXPECT_GT(host.CountNear(kArea, RGB(0, 192, 0), 90), 10);
    // Shifted ten pixels right: nothing green in the first columns.
    EXPECT_EQ(host.CountNear(RECT{0, 0, 10, 40}, RGB(0, 192, 0), 90), 0);
}
