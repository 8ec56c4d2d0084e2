#include <gtest/gtest.h>
#include <string>
#include "SkinUI/Control/ButtonUI.h"
#include "SkinUI/Control/OptionUI.h"
#include "SkinUI/Control/TextUI.h"
#include "tests/SkinUI/buttons/ButtonsHost.h"

using namespace SkinUI;

namespace {

const UINT kPressed = UISTATE_PUSHED | UISTATE_CAPTURED;

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

} // namespace

TEST(ButtonTest, OnlyAReleaseInsideClicksAndSpaceClicksTheFocusedButton)
{
    CButtonsHost host;
    CButtonUI* button = host.Add(new CButtonUI, 30);
    host.Down(20, 10);
    EXPECT_EQ(button->GetButtonState() & kPressed, kPressed);
    host.Move(20, 50);
    EXPECT_EQ(button->GetButtonState() & kPressed, UISTATE_CAPTURED);
    host.Up(20, 50);
    EXPECT_EQ(host.log.Count("click"), 0);
    // Dragging out and back in before the release still clicks.
    host.Down(20, 10);
    host.Move(20, 50);
    host.Move(25, 12);
    host.Up(25, 12);
    EXPECT_EQ(host.log.Count("click", button), 1);
    button->SetFocus();
    host.Key(VK_SPACE);
    EXPECT_EQ(host.log.Count("click", button), 2);
}

TEST_F(OptionTest, ClickingSelectsOneOfTheGroupAndAgainOnlyClicks)
{
    host.Click(20, 45);
    EXPECT_TRUE(b->IsSelected());
    EXPECT_FALSE(a->IsSelected());
    host.Click(20, 45);
    EXPECT_TRUE(b->IsSelected());
    EXPECT_EQ(host.log.Count("selectchanged"), 1);
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

TEST(TextTest, AButtonUpOverALinkSendsItsIndexAndAtMostEightLinksAreKept)
{
    CButtonsHost host;
    CTextUI* text = host.Add(new CTextUI, 80);
    text->SetShowHtml(true);
    text->SetText("see {a first}one{/a} and {a second}two{/a} here");
    host.window.Repaint();
    const RECT rc = text->GetLinkRect(1);
    host.Click((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    ASSERT_EQ(host.log.Count("link", text), 1);
    EXPECT_EQ(host.log.Last("link")->wParam, WPARAM(1));
    std::string markup;
    for (int i = 0; i < 10; ++i) markup += "{a l" + std::to_string(i) + "}x{/a} ";
    text->SetText(markup.c_str());
    host.window.Repaint();
    EXPECT_EQ(text->GetLinkCount(), 8);
    EXPECT_STREQ(text->GetLinkContent(7), "l7");
    EXPECT_TRUE(text->GetLinkContent(8).IsEmpty());
}
