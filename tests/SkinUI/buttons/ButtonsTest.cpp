#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "SkinUI/Control/ButtonUI.h"
#include "SkinUI/Control/CheckBoxUI.h"
#include "SkinUI/Control/LabelUI.h"
#include "SkinUI/Control/OptionUI.h"
#include "SkinUI/Control/TextUI.h"
#include "tests/SkinUI/buttons/ButtonsHost.h"
#include "tests/SkinUI/support/TempBmp.h"

using namespace SkinUI;

namespace {

using TTypes = std::vector<std::string>;
const UINT kPressed = UISTATE_PUSHED | UISTATE_CAPTURED;
const RECT kLabelArea = {0, 0, 300, 40};

class ButtonTest : public ::testing::Test {
protected:
    UINT State(UINT mask) const { return button->GetButtonState() & mask; }

    CButtonsHost host;
    CButtonUI* button = host.Add(new CButtonUI, 30);
    CButtonUI* other = host.Add(new CButtonUI, 30);
};

// Three options of one group stacked at y 0, 30 and 60; the first selected.
class OptionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (COptionUI* o : {a, b, c}) o->SetGroup("mode");
        a->Selected(true);
        host.log.seen.clear();
    }
    int GroupSize(const char* group) const
    {
        const CPtrArrayUI* list = host.pm.GetOptionGroup(group);
        return list != nullptr ? list->GetSize() : 0;
    }

    CButtonsHost host;
    COptionUI* a = host.Add(new COptionUI, 30);
    COptionUI* b = host.Add(new COptionUI, 30);
    COptionUI* c = host.Add(new COptionUI, 30);
};

// A label with red text across the window's top.
class LabelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        label->SetText("Wide");
        label->SetTextColor(0xFFFF0000);
    }
    // Smoothed text: the edges of its strokes, blended with the background, are ink too.
    int Red(const RECT& rc) { return host.CountNear(rc, 0xFF0000, 200); }

    CButtonsHost host;
    CLabelUI* label = host.Add(new CLabelUI, 40);
};

} // namespace

TEST_F(ButtonTest, OnlyAReleaseInsideClicks)
{
    host.Down(20, 10);
    EXPECT_EQ(State(kPressed), kPressed);
    host.Move(20, 50);
    EXPECT_EQ(State(kPressed), UISTATE_CAPTURED);
    host.Up(20, 50);
    EXPECT_EQ(State(kPressed), 0u);
    EXPECT_EQ(host.log.Count("click"), 0);
    // Dragging out and back in before the release still clicks.
    host.Down(20, 10);
    host.Move(20, 50);
    host.Move(25, 12);
    host.Up(25, 12);
    EXPECT_EQ(host.log.Count("click", button), 1);
    EXPECT_EQ(host.log.Count("click"), 1);
}

TEST_F(ButtonTest, SpaceAndEnterClickTheFocusedKeyboardEnabledButtonOnlyIfEnabledAndShown)
{
    button->SetFocus();
    ASSERT_EQ(host.pm.GetFocus(), button);
    host.Key(VK_SPACE);
    host.Key(VK_RETURN);
    host.Key('A');
    EXPECT_EQ(host.log.Count("click", button), 2);
    button->SetKeyboardEnabled(false);
    host.Key(VK_SPACE);
    EXPECT_EQ(host.log.Count("click", button), 2);
    // Disabled or hidden, a button does nothing and forgets its state.
    host.Move(20, 10);
    ASSERT_NE(State(UISTATE_HOT), 0u);
    button->SetEnabled(false);
    EXPECT_EQ(button->GetButtonState(), 0u);
    EXPECT_FALSE(button->Activate());
    host.Click(20, 10);
    button->SetEnabled(true);
    EXPECT_EQ(State(UISTATE_HOT | UISTATE_PUSHED), 0u);
    other->SetVisible(false);
    EXPECT_FALSE(other->Activate());
    EXPECT_EQ(host.log.Count("click"), 2);
}

TEST_F(ButtonTest, StateImagesChosenPerState)
{
    button->SetNormalImage(WriteSolidBmp("skinui_btn_normal.bmp", 0x0000FF).c_str());
    button->SetHotImage(WriteSolidBmp("skinui_btn_hot.bmp", 0xFF0000).c_str());
    button->SetPushedImage(WriteSolidBmp("skinui_btn_pushed.bmp", 0x00FF00).c_str());
    button->SetDisabledImage(WriteSolidBmp("skinui_btn_disabled.bmp", 0x808080).c_str());
    const auto shown = [this] {
        host.window.Repaint();
        return host.window.PrintPixel(150, 15);
    };
    EXPECT_EQ(shown(), RGB(0, 0, 255));
    host.Move(150, 15);
    EXPECT_EQ(shown(), RGB(255, 0, 0));
    host.Down(150, 15);
    EXPECT_EQ(shown(), RGB(0, 255, 0));
    button->SetEnabled(false);
    EXPECT_EQ(shown(), RGB(128, 128, 128));
}

TEST_F(OptionTest, ClickingSelectsOneOfTheGroupAndAgainOnlyClicks)
{
    host.Click(20, 45);
    EXPECT_TRUE(b->IsSelected());
    EXPECT_FALSE(a->IsSelected());
    EXPECT_EQ(a->GetButtonState() & UISTATE_SELECTED, 0u);
    EXPECT_EQ(host.log.Types(), (TTypes{"click", "selectchanged"}));
    EXPECT_EQ(host.log.Count("selectchanged", b), 1);
    host.log.seen.clear();
    host.Click(20, 45);
    EXPECT_TRUE(b->IsSelected());
    EXPECT_EQ(host.log.Types(), TTypes{"click"});
    // Disabled, an option keeps only its selected bit and ignores clicks.
    host.Move(20, 45);
    b->SetEnabled(false);
    EXPECT_EQ(b->GetButtonState(), UISTATE_SELECTED);
    c->SetEnabled(false);
    host.Click(20, 75);
    EXPECT_FALSE(c->IsSelected());
    EXPECT_EQ(host.log.Count("click"), 1);
}

TEST_F(OptionTest, DeselectingByCodeIsSilentInAGroupOnly)
{
    a->Selected(false);
    EXPECT_FALSE(a->IsSelected());
    EXPECT_EQ(host.log.Count("selectchanged"), 0);
    COptionUI* loose = host.Add(new COptionUI, 30);
    loose->Selected(true);
    loose->Selected(false);
    loose->Selected(false);
    EXPECT_EQ(host.log.Count("selectchanged", loose), 2);
}

TEST_F(OptionTest, RegroupedDestroyedOrMovedOptionsLeaveTheGroup)
{
    b->SetGroup("other");
    b->Selected(true);
    EXPECT_TRUE(a->IsSelected());
    b->SetGroup(nullptr);
    EXPECT_EQ(GroupSize("other"), 0);
    host.root->Remove(c);
    host.window.PumpMessages();
    EXPECT_EQ(GroupSize("mode"), 1);
    CPaintManagerUI elsewhere;
    COptionUI moving;
    moving.SetManager(&host.pm, nullptr, false);
    moving.SetGroup("mode");
    ASSERT_EQ(GroupSize("mode"), 2);
    moving.SetManager(&elsewhere, nullptr, false);
    EXPECT_EQ(GroupSize("mode"), 1);
    // Selecting within the old group must not reach the option that left.
    a->Selected(true);
    EXPECT_EQ(elsewhere.GetOptionGroup("mode"), nullptr);
    moving.SetManager(nullptr, nullptr, false);
}

TEST_F(OptionTest, SelectedAttributeBackgroundAndTextColour)
{
    c->SetAttribute("selected", "true");
    EXPECT_FALSE(a->IsSelected());
    c->SetAttribute("selectedbkcolor", "#FF00FF00");
    host.window.Repaint();
    EXPECT_EQ(host.window.PrintPixel(150, 75), RGB(0, 255, 0));
    c->SetText("WWWWWWWW");
    c->SetTextColor(0xFF000000);
    c->SetSelectedTextColor(0xFFFF0000);
    const RECT area = {0, 60, 300, 90};
    EXPECT_GT(host.CountNear(area, 0xFF0000, 90), 10);
    c->Selected(false);
    EXPECT_EQ(host.CountNear(area, 0xFF0000, 90), 0);
}

TEST(CheckBox, TogglesOnEveryClickClickThenSelectChanged)
{
    CButtonsHost host;
    CCheckBoxUI* box = host.Add(new CCheckBoxUI, 30);
    host.Click(20, 15);
    EXPECT_TRUE(box->IsSelected());
    host.Click(20, 15);
    EXPECT_FALSE(box->IsSelected());
    box->SetFocus();
    host.Key(VK_SPACE);
    EXPECT_TRUE(box->IsSelected());
    EXPECT_EQ(host.log.Types(), (TTypes{"click", "selectchanged", "click", "selectchanged", "click", "selectchanged"}));
}

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
    EXPECT_GT(host.CountNear(kLabelArea, 0x00FF00), 5);
    EXPECT_EQ(Red(kLabelArea), 0);
    label->SetShowHtml(false);
    label->SetAttribute("disabledtextcolor", "#FF0000FF");
    label->SetEnabled(false);
    EXPECT_EQ(Red(kLabelArea), 0);
    EXPECT_GT(host.CountNear(kLabelArea, 0x0000FF), 5);
}

TEST_F(LabelTest, EffectTextIsKeptApartAndDrawnWithStrokeAndShadowAtItsOffset)
{
    label->SetAttribute("enabledeffect", "true");
    label->SetAttribute("text", "effect");
    EXPECT_STREQ(label->GetText(), "effect");
    label->SetEnabledEffect(false);
    EXPECT_STREQ(label->GetText(), "Wide");
    label->SetEnabledEffect(true);
    label->SetText("WWWW");
    EXPECT_GT(host.CountNear(RECT{0, 0, 150, 40}, 0xFF7878, 150), 10);
    label->SetEnabledStroke(true);
    label->SetStrokeColor(0xFF0000FF);
    EXPECT_GT(host.CountNear(kLabelArea, 0x0000FF, 90), 10);
    label->SetEnabledStroke(false);
    label->SetTransText(0);
    label->SetTransText1(0);
    EXPECT_EQ(host.CountNear(kLabelArea, 0xFFFFFF, 0), 300 * 40);
    label->SetEnabledShadow(true);
    label->SetTextShadowColorA(0xFF00C000);
    label->SetTransShadow(255);
    label->SetTransShadow1(255);
    label->SetShadowOffset(10, -180);
    EXPECT_GT(host.CountNear(kLabelArea, 0x00C000, 90), 10);
    // Shifted ten pixels right: nothing green in the first columns.
    EXPECT_EQ(host.CountNear(RECT{0, 0, 10, 40}, 0x00C000, 90), 0);
    // The offset attribute is relative to the item, wherever it is.
    label->SetPos(RECT{100, 50, 200, 80});
    label->SetAttribute("shadowoffset", "2,45");
    EXPECT_EQ(label->GetShadowOffset().x, -2);
    EXPECT_EQ(label->GetShadowOffset().y, -2);
}

// A text with two links across the top of the window.
class TextTest : public ::testing::Test {
protected:
    void SetUp() override { Show(true, "see {a first}one{/a} and {a second}two{/a} here"); }
    POINT Centre(int link) const
    {
        const RECT rc = text->GetLinkRect(link);
        return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }
    void Show(bool html, const char* markup = nullptr)
    {
        text->SetShowHtml(html);
        if (markup != nullptr) text->SetText(markup);
        host.window.Repaint();
    }

    CButtonsHost host;
    CTextUI* text = host.Add(new CTextUI, 80);
};

TEST_F(TextTest, ButtonUpOverALinkSendsItsIndex)
{
    ASSERT_EQ(text->GetLinkCount(), 2);
    EXPECT_STREQ(text->GetLinkContent(1), "second");
    EXPECT_TRUE(text->GetLinkContent(2).IsEmpty());
    for (int link : {1, 0}) {
        host.Click(Centre(link).x, Centre(link).y);
        ASSERT_NE(host.log.Last("link"), nullptr);
        EXPECT_EQ(host.log.Last("link")->wParam, WPARAM(link));
    }
    host.Click(text->GetLinkRect(1).right + 40, 70);
    text->SetEnabled(false);
    host.Click(Centre(0).x, Centre(0).y);
    EXPECT_EQ(host.log.Count("link", text), 2);
}

TEST_F(TextTest, AtMostEightLinksAndNoneForPlainOrEmptyText)
{
    const POINT p = Centre(0);
    Show(false);
    EXPECT_EQ(text->GetLinkCount(), 0);
    host.Click(p.x, p.y);
    EXPECT_EQ(host.log.Count("link"), 0);
    std::string markup;
    for (int i = 0; i < 10; ++i) markup += "{a l" + std::to_string(i) + "}x{/a} ";
    Show(true, markup.c_str());
    EXPECT_EQ(text->GetLinkCount(), 8);
    EXPECT_STREQ(text->GetLinkContent(7), "l7");
    Show(true, "");
    EXPECT_EQ(text->GetLinkCount(), 0);
}
