#include <gtest/gtest.h>
#include "SkinUI/Control/CheckBoxUI.h"
#include "SkinUI/Control/OptionUI.h"
#include "tests/SkinUI/buttons/ButtonsHost.h"

using namespace SkinUI;

namespace {

using TTypes = std::vector<std::string>;

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

TEST_F(OptionTest, DisabledOptionKeepsOnlyTheSelectedBitAndIgnoresClicks)
{
    host.Move(20, 15);
    a->SetEnabled(false);
    EXPECT_EQ(a->GetButtonState(), UISTATE_SELECTED);
    b->SetEnabled(false);
    host.Click(20, 45);
    EXPECT_FALSE(b->IsSelected());
    EXPECT_EQ(host.log.Count("click"), 0);
}

TEST_F(OptionTest, SelectedAttributeBackgroundAndTextColour)
{
    c->SetAttribute("selected", "true");
    EXPECT_FALSE(a->IsSelected());
    c->SetAttribute("selectedbkcolor", "#FF00FF00");
    host.window.Repaint();
    EXPECT_EQ(host.Pixel(150, 75), RGB(0, 255, 0));
    c->SetText("WWWWWWWW");
    c->SetTextColor(0xFF000000);
    c->SetSelectedTextColor(0xFFFF0000);
    const RECT area = {0, 60, 300, 90};
    EXPECT_GT(host.CountNear(area, RGB(255, 0, 0), 90), 10);
    c->Selected(false);
    EXPECT_EQ(host.CountNear(area, RGB(255, 0, 0), 90), 0);
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
