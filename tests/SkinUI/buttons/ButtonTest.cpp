#include <gtest/gtest.h>
#include "SkinUI/Control/ButtonUI.h"
#include "tests/SkinUI/buttons/ButtonsHost.h"

using namespace SkinUI;

namespace {

class ButtonTest : public ::testing::Test {
protected:
    UINT State(UINT mask) const { return button->GetButtonState() & mask; }

    CButtonsHost host;
    CButtonUI* button = host.Add(new CButtonUI, 30);
    CButtonUI* other = host.Add(new CButtonUI, 30);
};

const UINT kPressed = UISTATE_PUSHED | UISTATE_CAPTURED;

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

TEST_F(ButtonTest, SpaceAndEnterClickTheFocusedKeyboardEnabledButton)
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
}

TEST_F(ButtonTest, DisabledOrHiddenButtonDoesNothingAndForgetsItsState)
{
    host.Move(20, 10);
    ASSERT_NE(State(UISTATE_HOT), 0u);
    button->SetEnabled(false);
    EXPECT_EQ(button->GetButtonState(), 0u);
    EXPECT_FALSE(button->Activate());
    host.Click(20, 10);
    host.Key(VK_SPACE);
    button->SetEnabled(true);
    EXPECT_EQ(State(UISTATE_HOT | UISTATE_PUSHED), 0u);
    other->SetVisible(false);
    EXPECT_FALSE(other->Activate());
    EXPECT_EQ(host.log.Count("click"), 0);
}

TEST_F(ButtonTest, StateImagesChosenPerState)
{
    button->SetNormalImage(WriteSolidBmp("skinui_btn_normal.bmp", 0x0000FF).c_str());
    button->SetHotImage(WriteSolidBmp("skinui_btn_hot.bmp", 0xFF0000).c_str());
    button->SetPushedImage(WriteSolidBmp("skinui_btn_pushed.bmp", 0x00FF00).c_str());
    button->SetDisabledImage(WriteSolidBmp("skinui_btn_disabled.bmp", 0x808080).c_str());
    const auto shown = [this] {
        host.window.Repaint();
        return host.Pixel(150, 15);
    };
    EXPECT_EQ(shown(), RGB(0, 0, 255));
    host.Move(150, 15);
    EXPECT_EQ(shown(), RGB(255, 0, 0));
    host.Down(150, 15);
    EXPECT_EQ(shown(), RGB(0, 255, 0));
    button->SetEnabled(false);
    EXPECT_EQ(shown(), RGB(128, 128, 128));
}
