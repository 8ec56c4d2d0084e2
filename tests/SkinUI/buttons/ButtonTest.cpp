#include <gtest/gtest.h>
#include "SkinUI/Control/ButtonUI.h"
#include "tests/SkinUI/buttons/ButtonsHost.h"

using namespace SkinUI;

namespace {

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        button = host.Add(new CButtonUI, 30);
        other = host.Add(new CButtonUI, 30);
        ASSERT_EQ(button->GetPos().bottom, 30);
    }

    CButtonsHost host;
    CButtonUI* button = nullptr;
    CButtonUI* other = nullptr;
};

} // namespace

TEST_F(ButtonTest, PressDragOutReleaseSendsNoClick)
{
    host.Down(20, 10);
    EXPECT_NE(button->GetButtonState() & UISTATE_PUSHED, 0u);
    EXPECT_NE(button->GetButtonState() & UISTATE_CAPTURED, 0u);
    host.Move(20, 50);
    EXPECT_EQ(button->GetButtonState() & UISTATE_PUSHED, 0u);
    EXPECT_NE(button->GetButtonState() & UISTATE_CAPTURED, 0u);
    host.Up(20, 50);
    EXPECT_EQ(host.log.Count("click"), 0);
    EXPECT_EQ(button->GetButtonState() & (UISTATE_PUSHED | UISTATE_CAPTURED), 0u);
}

TEST_F(ButtonTest, PressReleaseInsideClicksOnce)
{
    host.Click(20, 10);
    EXPECT_EQ(host.log.Count("click", button), 1);
    EXPECT_EQ(host.log.Count("click"), 1);
    // Dragging out and back in before the release still clicks.
    host.Down(20, 10);
    host.Move(20, 50);
    host.Move(25, 12);
    EXPECT_NE(button->GetButtonState() & UISTATE_PUSHED, 0u);
    host.Up(25, 12);
    EXPECT_EQ(host.log.Count("click", button), 2);
}

TEST_F(ButtonTest, SpaceAndEnterClickTheFocusedButton)
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
    EXPECT_EQ(button->GetControlFlags(), UIFLAG_SETCURSOR);
}

TEST_F(ButtonTest, DisabledButtonDoesNothingAndForgetsItsState)
{
    host.Move(20, 10);
    ASSERT_NE(button->GetButtonState() & UISTATE_HOT, 0u);
    button->SetEnabled(false);
    EXPECT_EQ(button->GetButtonState(), 0u);
    EXPECT_FALSE(button->Activate());
    host.Click(20, 10);
    host.Key(VK_SPACE);
    EXPECT_EQ(host.log.Count("click"), 0);
    EXPECT_EQ(button->GetControlFlags(), UIFLAG_TABSTOP);
    button->SetEnabled(true);
    EXPECT_EQ(button->GetButtonState() & (UISTATE_HOT | UISTATE_PUSHED), 0u);
}

TEST_F(ButtonTest, HotFollowsThePointer)
{
    host.Move(20, 10);
    EXPECT_NE(button->GetButtonState() & UISTATE_HOT, 0u);
    host.Move(20, 40);
    EXPECT_EQ(button->GetButtonState() & UISTATE_HOT, 0u);
    EXPECT_NE(other->GetButtonState() & UISTATE_HOT, 0u);
}

TEST_F(ButtonTest, MouseDisabledButtonIgnoresPresses)
{
    button->SetMouseEnabled(false);
    TEventMsg down;
    down.Type = UIEVENT_BUTTONDOWN;
    down.ptMouse = POINT{20, 10};
    button->Event(down);
    EXPECT_EQ(button->GetButtonState(), 0u);
}

TEST_F(ButtonTest, ContextMenuNotifiesOnlyWhenAsked)
{
    TEventMsg menu;
    menu.Type = UIEVENT_CONTEXTMENU;
    menu.wParam = 7;
    button->Event(menu);
    EXPECT_EQ(host.log.Count("menu"), 0);
    button->SetAttribute("menu", "true");
    button->Event(menu);
    ASSERT_EQ(host.log.Count("menu", button), 1);
    EXPECT_EQ(host.log.seen.back().wParam, 7u);
}

namespace {

class ButtonImageTest : public ButtonTest {
protected:
    void SetUp() override
    {
        ButtonTest::SetUp();
        button->SetNormalImage(SolidImageFile("skinui_btn_normal.bmp", RGB(0, 0, 255)).c_str());
        button->SetHotImage(SolidImageFile("skinui_btn_hot.bmp", RGB(255, 0, 0)).c_str());
        button->SetPushedImage(SolidImageFile("skinui_btn_pushed.bmp", RGB(0, 255, 0)).c_str());
        button->SetDisabledImage(SolidImageFile("skinui_btn_disabled.bmp", RGB(128, 128, 128)).c_str());
        host.Layout();
    }
    COLORREF Shown()
    {
        host.window.Repaint();
        return host.Pixel(150, 15);
    }
};

} // namespace

TEST_F(ButtonImageTest, StateImagesChosenPerState)
{
    EXPECT_EQ(Shown(), RGB(0, 0, 255));
    host.Move(150, 15);
    EXPECT_EQ(Shown(), RGB(255, 0, 0));
    host.Down(150, 15);
    EXPECT_EQ(Shown(), RGB(0, 255, 0));
    host.Move(150, 45);
    host.Up(150, 45);
    EXPECT_EQ(Shown(), RGB(0, 0, 255));
    button->SetEnabled(false);
    EXPECT_EQ(Shown(), RGB(128, 128, 128));
}

TEST_F(ButtonImageTest, HotColourWithoutHotImageFills)
{
    button->SetHotImage("");
    button->SetHotBkColor(0xFFFFFF00);
    host.Move(150, 15);
    EXPECT_EQ(Shown(), RGB(255, 255, 0));
}

TEST_F(ButtonImageTest, TextColourFollowsState)
{
    button->SetNormalImage("");
    button->SetHotImage("");
    button->SetPushedImage("");
    button->SetText("WWWWWWWW");
    button->SetTextColor(0xFF000000);
    button->SetHotTextColor(0xFFFF0000);
    host.Layout();
    const RECT area = {0, 0, 300, 30};
    EXPECT_EQ(host.CountNear(area, RGB(255, 0, 0), 90), 0);
    EXPECT_GT(host.CountNear(area, RGB(0, 0, 0), 90), 10);
    host.Move(150, 15);
    host.window.Repaint();
    EXPECT_GT(host.CountNear(area, RGB(255, 0, 0), 90), 10);
}
