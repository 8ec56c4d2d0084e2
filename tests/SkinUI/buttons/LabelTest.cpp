#include <gtest/gtest.h>
#include "SkinUI/Control/LabelUI.h"
#include "tests/SkinUI/buttons/ButtonsHost.h"

using namespace SkinUI;

namespace {

const RECT kLeftHalf = {0, 0, 150, 40};
const RECT kRightHalf = {150, 0, 300, 40};
const COLORREF kRed = RGB(255, 0, 0);

class LabelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        label = host.Add(new CLabelUI, 40);
        label->SetText("Wide");
        label->SetTextColor(0xFFFF0000);
    }

    void UseEffect()
    {
        label->SetText("");
        label->SetEnabledEffect(true);
        label->SetText("WWWW");
    }

    int Red(const RECT& rc)
    {
        host.window.Repaint();
        return host.CountNear(rc, kRed);
    }

    CButtonsHost host;
    CLabelUI* label = nullptr;
};

} // namespace

TEST_F(LabelTest, AlignmentMovesTheText)
{
    EXPECT_GT(Red(kLeftHalf), 10);
    EXPECT_EQ(Red(kRightHalf), 0);
    label->SetAttribute("align", "right");
    EXPECT_EQ(Red(kLeftHalf), 0);
    EXPECT_GT(Red(kRightHalf), 10);
    label->SetAttribute("align", "center");
    EXPECT_GT(Red(RECT{100, 0, 200, 40}), 10);
    EXPECT_EQ(Red(RECT{0, 0, 90, 40}), 0);
}

TEST_F(LabelTest, VerticalAlignmentAndPadding)
{
    label->SetAttribute("align", "top");
    EXPECT_GT(Red(RECT{0, 0, 300, 20}), 10);
    EXPECT_EQ(Red(RECT{0, 25, 300, 40}), 0);
    label->SetAttribute("align", "bottom");
    EXPECT_EQ(Red(RECT{0, 0, 300, 18}), 0);
    label->SetAttribute("align", "left top");
    label->SetAttribute("textpadding", "60,0,0,0");
    EXPECT_EQ(Red(RECT{0, 0, 58, 40}), 0);
    EXPECT_GT(Red(RECT{60, 0, 300, 40}), 10);
}

TEST_F(LabelTest, EndEllipsisKeepsLongTextInsideItsArea)
{
    label->SetText("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    label->SetAttribute("textpadding", "0,0,100,0");
    label->SetAttribute("endellipsis", "true");
    const int inside = Red(RECT{0, 0, 200, 40});
    EXPECT_GT(inside, 10);
    EXPECT_EQ(Red(RECT{201, 0, 300, 40}), 0);
    // The ellipsis ends the line with dots: the last glyph cells are lighter than the W's.
    label->SetAttribute("endellipsis", "false");
    EXPECT_GT(Red(RECT{0, 0, 200, 40}), inside);
}

TEST_F(LabelTest, HtmlTextUsesItsColourTags)
{
    label->SetText("{c #FF00FF00}green{/c}");
    label->SetAttribute("showhtml", "true");
    host.window.Repaint();
    EXPECT_GT(host.CountNear(RECT{0, 0, 300, 40}, RGB(0, 255, 0)), 5);
    EXPECT_EQ(Red(RECT{0, 0, 300, 40}), 0);
    label->SetShowHtml(false);
    EXPECT_GT(Red(RECT{0, 0, 300, 40}), 5);
}

TEST_F(LabelTest, DisabledLabelUsesTheDisabledColour)
{
    label->SetAttribute("disabledtextcolor", "#FF0000FF");
    label->SetEnabled(false);
    host.window.Repaint();
    EXPECT_EQ(Red(RECT{0, 0, 300, 40}), 0);
    EXPECT_GT(host.CountNear(RECT{0, 0, 300, 40}, RGB(0, 0, 255)), 5);
}

TEST_F(LabelTest, DefaultColoursAreTakenAtPaintTime)
{
    auto* plain = new CLabelUI;
    plain->SetText("x");
    EXPECT_EQ(plain->GetTextColor(), 0u);
    host.Add(plain, 30);
    EXPECT_EQ(plain->GetTextColor(), host.pm.GetDefaultFontColor());
    EXPECT_EQ(plain->GetDisabledTextColor(), host.pm.GetDefaultDisabledColor());
}

TEST(LabelAttributes, EffectTextIsKeptApartFromThePlainText)
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
}

TEST(LabelAttributes, ShadowOffsetStaysRelativeAfterLayout)
{
    CLabelUI label;
    label.SetPos(RECT{100, 50, 200, 80});
    label.SetAttribute("shadowoffset", "2,45");
    EXPECT_EQ(label.GetShadowOffset().x, -2);
    EXPECT_EQ(label.GetShadowOffset().y, -2);
    label.SetAttribute("shadowoffset", "5,200");
    EXPECT_EQ(label.GetShadowOffset().x, -2);
}

TEST_F(LabelTest, EffectPathDrawsStrokeShadowAndText)
{
    UseEffect();
    host.window.Repaint();
    const RECT area = {0, 0, 300, 40};
    const COLORREF white = RGB(255, 255, 255);
    const int blank = host.CountNear(area, white, 0);
    EXPECT_LT(blank, 300 * 40);
    EXPECT_GT(host.CountNear(RECT{0, 0, 150, 40}, RGB(255, 120, 120), 150), 10);

    label->SetEnabledStroke(true);
    label->SetStrokeColor(0xFF0000FF);
    host.window.Repaint();
    EXPECT_GT(host.CountNear(area, RGB(0, 0, 255), 90), 10);

    label->SetText("");
    host.window.Repaint();
    EXPECT_EQ(host.CountNear(area, white, 0), 300 * 40);
}

TEST_F(LabelTest, EffectShadowIsDrawnAtItsOffset)
{
    UseEffect();
    label->SetTransText(0);
    label->SetTransText1(0);
    const RECT area = {0, 0, 300, 40};
    host.window.Repaint();
    EXPECT_EQ(host.CountNear(area, RGB(255, 255, 255), 0), 300 * 40);
    label->SetEnabledShadow(true);
    label->SetTextShadowColorA(0xFF00C000);
    label->SetTransShadow(255);
    label->SetTransShadow1(255);
    label->SetShadowOffset(10, -180);
    host.window.Repaint();
    EXPECT_GT(host.CountNear(area, RGB(0, 192, 0), 90), 10);
    // Shifted ten pixels right: nothing green in the first columns.
    EXPECT_EQ(host.CountNear(RECT{0, 0, 10, 40}, RGB(0, 192, 0), 90), 0);
}
