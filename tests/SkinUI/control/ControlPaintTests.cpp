#include <gtest/gtest.h>
#include "tests/SkinUI/support/PixelSurface.h"
#include <windows.h>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <cstdio>
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Core/PaintManagerUI.h"

using namespace SkinUI;

namespace {

const int kSize = 40;
const uint32_t kWhite = 0xFFFFFF;

// A white kSize x kSize surface.
class Surface : public CPixelSurface {
public:
    Surface() : CPixelSurface(kSize, kSize) {}
};

const RECT kItem = {0, 0, kSize, kSize};

// A 2 x 2 24-bit BMP of one colour (0xRRGGBB) in the temporary folder.
std::string WriteSolidBmp(const char* name, uint32_t rgb)
{
    char dir[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, dir);
    const std::string path = std::string(dir) + name;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    const int stride = 8;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + stride * 2;
    info.biSize = sizeof(info);
    info.biWidth = 2;
    info.biHeight = 2;
    info.biPlanes = 1;
    info.biBitCount = 24;
    const unsigned char b = rgb & 0xFF, g = (rgb >> 8) & 0xFF, r = (rgb >> 16) & 0xFF;
    const unsigned char row[stride] = {b, g, r, b, g, r, 0, 0};
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return path;
    std::fwrite(&file, sizeof(file), 1, f);
    std::fwrite(&info, sizeof(info), 1, f);
    std::fwrite(row, 1, stride, f);
    std::fwrite(row, 1, stride, f);
    std::fclose(f);
    return path;
}

// Logs the paint steps the base leaves empty, to see where they fall.
class LayerLog : public CControlUI {
public:
    void PaintBkColor(HDC hDC) override
    {
        log += "c";
        CControlUI::PaintBkColor(hDC);
    }
    void PaintBkImage(HDC hDC) override
    {
        log += "i";
        CControlUI::PaintBkImage(hDC);
    }
    void PaintStatusImage(HDC) override { log += "s"; }
    void PaintText(HDC) override { log += "t"; }
    void PaintBorder(HDC hDC) override
    {
        log += "b";
        CControlUI::PaintBorder(hDC);
    }
    std::string log;
};

// A control covering the whole white surface.
class PaintTest : public ::testing::Test {
protected:
    void SetUp() override { c.SetPos(kItem); }
    Surface s;
    CControlUI c;
};

} // namespace

TEST(ControlPaint, LayersInFixedOrderWithAndWithoutRoundClip)
{
    Surface s;
    LayerLog c;
    c.SetPos(kItem);
    c.DoPaint(s.dc(), kItem);
    EXPECT_EQ(c.log, "cistb");
    c.log.clear();
    c.SetBorderRound(SIZE{8, 8});
    c.DoPaint(s.dc(), kItem);
    EXPECT_EQ(c.log, "cistb");
}

TEST(ControlPaint, NothingOutsideTheItemPaintRectIsItsDirtyPart)
{
    Surface s;
    LayerLog c;
    c.SetPos(RECT{0, 0, 10, 10});
    c.SetBkColor(0xFFFF0000);
    c.DoPaint(s.dc(), RECT{20, 20, 40, 40});
    EXPECT_EQ(c.log, "");
    EXPECT_EQ(s.At(5, 5), kWhite);
    // The paint rectangle is the dirty part of the item.
    c.SetPos(RECT{10, 10, 30, 30});
    c.DoPaint(s.dc(), RECT{0, 0, 20, 40});
    const RECT& p = c.GetPaintRect();
    EXPECT_EQ(p.left, 10);
    EXPECT_EQ(p.top, 10);
    EXPECT_EQ(p.right, 20);
    EXPECT_EQ(p.bottom, 30);
}

TEST_F(PaintTest, OpaqueFillsTheDirtyPartTranslucentTheWholeItemTransparentNothing)
{
    c.SetBkColor(0xFFFF0000);
    c.DoPaint(s.dc(), RECT{0, 0, 20, kSize});
    EXPECT_EQ(s.At(5, 5), 0xFF0000u);
    EXPECT_EQ(s.At(30, 5), kWhite);
    Surface t;
    c.SetBkColor(0x800000FF);
    c.DoPaint(t.dc(), RECT{0, 0, 20, kSize});
    EXPECT_TRUE(NearColor(t.At(5, 5), 0x7F7FFF)) << std::hex << t.At(5, 5);
    EXPECT_TRUE(NearColor(t.At(30, 5), 0x7F7FFF)) << std::hex << t.At(30, 5);
    Surface u;
    c.SetAttribute("bkcolor", "#00FF00");
    c.DoPaint(u.dc(), kItem);
    EXPECT_EQ(u.At(20, 20), kWhite);
}

TEST_F(PaintTest, TwoColourVerticalGradient)
{
    c.SetBkColor(0xFFFF0000);
    c.SetBkColor2(0xFF0000FF);
    c.DoPaint(s.dc(), kItem);
    EXPECT_TRUE(NearColor(s.At(20, 0), 0xFF0000, 24)) << std::hex << s.At(20, 0);
    EXPECT_TRUE(NearColor(s.At(20, kSize - 1), 0x0000FF, 24)) << std::hex << s.At(20, kSize - 1);
    const uint32_t middle = s.At(20, kSize / 2);
    EXPECT_GT((middle >> 16) & 0xFF, 0x40u);
    EXPECT_GT(middle & 0xFF, 0x40u);
}

TEST_F(PaintTest, ThreeColourGradientMeetsTheSecondColourInTheMiddle)
{
    c.SetBkColor(0xFFFF0000);
    c.SetBkColor2(0xFF00FF00);
    c.SetBkColor3(0xFF0000FF);
    c.DoPaint(s.dc(), kItem);
    EXPECT_TRUE(NearColor(s.At(20, 0), 0xFF0000, 40)) << std::hex << s.At(20, 0);
    EXPECT_TRUE(NearColor(s.At(20, kSize / 2), 0x00FF00, 40)) << std::hex << s.At(20, kSize / 2);
    EXPECT_TRUE(NearColor(s.At(20, kSize - 1), 0x0000FF, 40)) << std::hex << s.At(20, kSize - 1);
}

TEST_F(PaintTest, BorderNeedsAColourAndASizeAndIsDrawnOverTheBackground)
{
    c.SetBorderSize(2);
    c.DoPaint(s.dc(), kItem);
    EXPECT_EQ(s.At(0, 20), kWhite);
    c.SetBorderSize(0);
    c.SetBorderColor(0xFF00FF00);
    c.DoPaint(s.dc(), kItem);
    EXPECT_EQ(s.At(0, 20), kWhite);
    c.SetBkColor(0xFFFF0000);
    c.SetBorderSize(2);
    c.DoPaint(s.dc(), kItem);
    EXPECT_EQ(s.At(0, 20), 0x00FF00u);
    EXPECT_EQ(s.At(1, 20), 0x00FF00u);
    EXPECT_EQ(s.At(kSize - 1, 20), 0x00FF00u);
    EXPECT_EQ(s.At(20, 0), 0x00FF00u);
    EXPECT_EQ(s.At(20, kSize - 1), 0x00FF00u);
    EXPECT_EQ(s.At(2, 20), 0xFF0000u);
    EXPECT_EQ(s.At(20, 20), 0xFF0000u);
}

TEST_F(PaintTest, FocusedBorderColourWhileFocused)
{
    c.SetBorderColor(0xFF00FF00);
    c.SetFocusBorderColor(0xFF0000FF);
    c.SetBorderSize(1);
    c.DoPaint(s.dc(), kItem);
    EXPECT_EQ(s.At(0, 20), 0x00FF00u);
    TEventMsg e;
    e.Type = UIEVENT_SETFOCUS;
    c.Event(e);
    c.DoPaint(s.dc(), kItem);
    EXPECT_EQ(s.At(0, 20), 0x0000FFu);
}

TEST(ControlPaint, SideBordersDrawOnlyTheirSides)
{
    Surface s;
    CControlUI c;
    c.SetPos(RECT{5, 5, 30, 30});
    c.SetBorderColor(0xFF0000FF);
    c.SetAttribute("bordersize", "0,0,0,1");
    c.SetLeftBorderSize(1);
    c.DoPaint(s.dc(), kItem);
    EXPECT_EQ(s.At(5, 15), 0x0000FFu);
    EXPECT_EQ(s.At(15, 30), 0x0000FFu);
    EXPECT_EQ(s.At(15, 5), kWhite);
    EXPECT_EQ(s.At(30, 15), kWhite);
}

TEST_F(PaintTest, RoundedBorderClipsTheCorners)
{
    c.SetBkColor(0xFFFF0000);
    c.SetBorderColor(0xFF00FF00);
    c.SetBorderSize(1);
    c.SetBorderRound(SIZE{16, 16});
    c.DoPaint(s.dc(), kItem);
    EXPECT_EQ(s.At(0, 0), kWhite);
    EXPECT_EQ(s.At(kSize - 1, kSize - 1), kWhite);
    EXPECT_EQ(s.At(0, 20), 0x00FF00u);
    EXPECT_EQ(s.At(20, 0), 0x00FF00u);
    EXPECT_EQ(s.At(20, 20), 0xFF0000u);
}

TEST_F(PaintTest, BackgroundImageKeptWhenNoManagerCanDrawIt)
{
    c.SetBkImage("file='missing.png'");
    c.DoPaint(s.dc(), kItem);
    EXPECT_STREQ(c.GetBkImage(), "file='missing.png'");
}

TEST(ControlPaint, ImageLiesBetweenBackgroundAndBorder)
{
    const std::string path = WriteSolidBmp("skinui_control_red.bmp", 0xFF0000);
    CPaintManagerUI pm;
    Surface s;
    CControlUI c;
    c.SetManager(&pm, nullptr, false);
    c.SetPos(kItem);
    c.SetBkColor(0xFF0000FF);
    c.SetBkImage(("file='" + path + "' dest='10,10,30,30'").c_str());
    c.SetBorderColor(0xFF00FF00);
    c.SetBorderSize(1);
    c.DoPaint(s.dc(), kItem);
    EXPECT_EQ(s.At(5, 5), 0x0000FFu);
    EXPECT_EQ(s.At(20, 20), 0xFF0000u);
    EXPECT_EQ(s.At(0, 20), 0x00FF00u);
    EXPECT_FALSE(c.GetBkImage().IsEmpty());
    ::DeleteFileA(path.c_str());
}
