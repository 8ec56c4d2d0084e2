#include <gtest/gtest.h>
#include <windows.h>
#include "SkinUI/Core/ControlUI.h"
#include "tests/SkinUI/support/PixelSurface.h"

using namespace SkinUI;

TEST(PaintTest, BorderIsDrawnOverTheBackgroundAndShowsTheFocus)
{
    const RECT item = {0, 0, 40, 40};
    CPixelSurface s(40, 40);
    CControlUI c;
    c.SetPos(item);
    c.SetBorderColor(0xFF00FF00);
    c.SetBkColor(0xFFFF0000);
    c.SetBorderSize(2);
    c.DoPaint(s.dc(), item);
    EXPECT_EQ(s.At(1, 20), 0x00FF00u);
    EXPECT_EQ(s.At(2, 20), 0xFF0000u);
    c.SetFocusBorderColor(0xFF0000FF);
    TEventMsg e;
    e.Type = UIEVENT_SETFOCUS;
    c.Event(e);
    c.DoPaint(s.dc(), item);
    EXPECT_EQ(s.At(1, 20), 0x0000FFu);
}
