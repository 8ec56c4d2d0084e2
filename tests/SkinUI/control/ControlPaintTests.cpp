#include <gtest/gtest.h>
#include <windows.h>
#include <cstdint>
#include <string>
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "tests/SkinUI/support/TempBmp.h"
#include "tests/SkinUI/support/PixelSurface.h"

using namespace SkinUI;

namespace {

const int kSize = 40;
const uint32_t kWhite = 0xFFFFFF;
const RECT kItem = {0, 0, kSize, kSize};

// A control covering the whole surface, painted on white.
class PaintTest : public ::testing::Test {
protected:
    void SetUp() override { c.SetPos(kItem); }
    void Paint()
    {
        s.Fill(kWhite);
        c.DoPaint(s.dc(), kItem);
    }
    CPixelSurface s{kSize, kSize};
    CControlUI c;
};

} // namespace

TEST_F(PaintTest, BorderIsDrawnOverTheBackgroundAndShowsTheFocus)
{
    c.SetBorderColor(0xFF00FF00);
    c.SetBkColor(0xFFFF0000);
    c.SetBorderSize(2);
    Paint();
    EXPECT_EQ(s.At(1, 20), 0x00FF00u);
    EXPECT_EQ(s.At(2, 20), 0xFF0000u);
    c.SetFocusBorderColor(0xFF0000FF);
    TEventMsg e;
    e.Type = UIEVENT_SETFOCUS;
    c.Event(e);
    Paint();
    EXPECT_EQ(s.At(1, 20), 0x0000FFu);
}

TEST_F(PaintTest, ImageLiesBetweenBackgroundAndBorderAndIsKeptWithoutAManager)
{
    const std::string path = WriteSolidBmp("skinui_control_red.bmp", 0xFF0000);
    CPaintManagerUI pm;
    c.SetManager(&pm, nullptr, false);
    c.SetBkColor(0xFF0000FF);
    c.SetBkImage(("file='" + path + "' dest='10,10,30,30'").c_str());
    c.SetBorderColor(0xFF00FF00);
    c.SetBorderSize(1);
    Paint();
    EXPECT_EQ(s.At(5, 5), 0x0000FFu);
    EXPECT_EQ(s.At(20, 20), 0xFF0000u);
    EXPECT_EQ(s.At(0, 20), 0x00FF00u);
    c.SetManager(nullptr, nullptr, false);
    ::DeleteFileA(path.c_str());
}
