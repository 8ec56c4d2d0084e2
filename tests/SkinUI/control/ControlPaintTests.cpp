#include <gtest/gtest.h>
#include <windows.h>
#include <cstdint>
#include <string>
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "tests/SkinUI/support/TempBmp.h"
#include "tests/SkinUI/support/PixelSurface.h"
#include "tests/SkinUI/support/TestWindow.h"

using namespace SkinUI;

namespace {

const int kSize = 40;
const uint32_t kWhite = 0xFFFFFF;
const RECT kItem = {0, 0, kSize, kSize};

// Logs the paint steps in the order they run.
class LayerLog : public CControlUI {
public:
    void PaintBkColor(HDC) override { log += "c"; }
    void PaintBkImage(HDC) override { log += "i"; }
    void PaintStatusImage(HDC) override { log += "s"; }
    void PaintText(HDC) override { log += "t"; }
    void PaintBorder(HDC) override { log += "b"; }
    std::string log;
};

// A control covering the whole surface, painted on white.
class PaintTest : public ::testing::Test {
protected:
    void SetUp() override { c.SetPos(kItem); }
    void Paint(const RECT& dirty = kItem)
    {
        s.Fill(kWhite);
        c.DoPaint(s.dc(), dirty);
    }
    CPixelSurface s{kSize, kSize};
    CControlUI c;
};

} // namespace

TEST_F(PaintTest, LayersInFixedOrderOnlyForTheDirtyPartOfTheItem)
{
    LayerLog layers;
    layers.SetPos(RECT{10, 10, 30, 30});
    layers.DoPaint(s.dc(), RECT{0, 0, 20, 40});
    EXPECT_EQ(layers.log, "cistb");
    EXPECT_EQ(RectText(layers.GetPaintRect()), "10,10,20,30");
    layers.log.clear();
    layers.DoPaint(s.dc(), RECT{30, 30, 40, 40});
    EXPECT_EQ(layers.log, "");
}

TEST_F(PaintTest, OpaqueFillsTheDirtyPartTranslucentTheWholeItemTransparentNothing)
{
    c.SetBkColor(0xFFFF0000);
    Paint(RECT{0, 0, 20, kSize});
    EXPECT_EQ(s.At(5, 5), 0xFF0000u);
    EXPECT_EQ(s.At(30, 5), kWhite);
    c.SetBkColor(0x800000FF);
    Paint(RECT{0, 0, 20, kSize});
    EXPECT_TRUE(NearColor(s.At(5, 5), 0x7F7FFF)) << std::hex << s.At(5, 5);
    EXPECT_TRUE(NearColor(s.At(30, 5), 0x7F7FFF)) << std::hex << s.At(30, 5);
    c.SetAttribute("bkcolor", "#00FF00");
    Paint();
    EXPECT_EQ(s.At(20, 20), kWhite);
    // Three colours: the second is met in the middle.
    c.SetBkColor(0xFFFF0000);
    c.SetBkColor2(0xFF00FF00);
    c.SetBkColor3(0xFF0000FF);
    Paint();
    EXPECT_TRUE(NearColor(s.At(20, 0), 0xFF0000, 40)) << std::hex << s.At(20, 0);
    EXPECT_TRUE(NearColor(s.At(20, kSize / 2), 0x00FF00, 40)) << std::hex << s.At(20, kSize / 2);
    EXPECT_TRUE(NearColor(s.At(20, kSize - 1), 0x0000FF, 40)) << std::hex << s.At(20, kSize - 1);
}

TEST_F(PaintTest, BorderNeedsAColourAndASizeIsDrawnOverTheBackgroundAndShowsTheFocus)
{
    c.SetBorderSize(2);
    Paint();
    EXPECT_EQ(s.At(0, 20), kWhite);
    c.SetBorderSize(0);
    c.SetBorderColor(0xFF00FF00);
    Paint();
    EXPECT_EQ(s.At(0, 20), kWhite);
    c.SetBkColor(0xFFFF0000);
    c.SetBorderSize(2);
    Paint();
    EXPECT_EQ(s.At(1, 20), 0x00FF00u);
    EXPECT_EQ(s.At(20, kSize - 1), 0x00FF00u);
    EXPECT_EQ(s.At(2, 20), 0xFF0000u);
    c.SetFocusBorderColor(0xFF0000FF);
    TEventMsg e;
    e.Type = UIEVENT_SETFOCUS;
    c.Event(e);
    Paint();
    EXPECT_EQ(s.At(1, 20), 0x0000FFu);
    // Rounded, the corners stay clear.
    c.SetBorderSize(1);
    c.SetBorderRound(SIZE{16, 16});
    Paint();
    EXPECT_EQ(s.At(0, 0), kWhite);
    EXPECT_EQ(s.At(kSize - 1, kSize - 1), kWhite);
    EXPECT_EQ(s.At(0, 20), 0x0000FFu);
    EXPECT_EQ(s.At(20, 0), 0x0000FFu);
    EXPECT_EQ(s.At(20, 20), 0xFF0000u);
}

TEST_F(PaintTest, SideBordersDrawOnlyTheirSides)
{
    c.SetPos(RECT{5, 5, 30, 30});
    c.SetBorderColor(0xFF0000FF);
    c.SetAttribute("bordersize", "0,0,0,1");
    c.SetLeftBorderSize(1);
    Paint();
    EXPECT_EQ(s.At(5, 15), 0x0000FFu);
    EXPECT_EQ(s.At(15, 30), 0x0000FFu);
    EXPECT_EQ(s.At(15, 5), kWhite);
    EXPECT_EQ(s.At(30, 15), kWhite);
}

TEST_F(PaintTest, ImageLiesBetweenBackgroundAndBorderAndIsKeptWithoutAManager)
{
    c.SetBkImage("file='missing.png'");
    Paint();
    EXPECT_STREQ(c.GetBkImage(), "file='missing.png'");
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
