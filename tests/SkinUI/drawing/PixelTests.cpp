#include <gtest/gtest.h>
#include "tests/SkinUI/support/PixelSurface.h"
#include <windows.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include "SkinUI/Core/HtmlTextPainter.h"
#include "SkinUI/Core/MsimgApi.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/UIRender.h"

using namespace SkinUI;

namespace {

const int kSize = 64;

// Writes a 24-bit bottom-up BMP of rgb pixels (0xRRGGBB, rows top first).
std::string WriteBmp(const char* name, int w, int h, const std::vector<uint32_t>& rgb)
{
    char dir[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, dir);
    const std::string path = std::string(dir) + name;
    const int stride = (w * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + stride * h;
    info.biSize = sizeof(info);
    info.biWidth = w;
    info.biHeight = h;
    info.biPlanes = 1;
    info.biBitCount = 24;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return path;
    std::fwrite(&file, sizeof(file), 1, f);
    std::fwrite(&info, sizeof(info), 1, f);
    std::vector<unsigned char> row(stride, 0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const uint32_t c = rgb[y * w + x];
            row[x * 3] = c & 0xFF;
            row[x * 3 + 1] = (c >> 8) & 0xFF;
            row[x * 3 + 2] = (c >> 16) & 0xFF;
        }
        std::fwrite(row.data(), 1, stride, f);
    }
    std::fclose(f);
    return path;
}

bool Near(uint32_t got, uint32_t want, int tolerance = 2)
{
    for (int shift = 0; shift < 24; shift += 8) {
        if (std::abs(static_cast<int>((got >> shift) & 0xFF) - static_cast<int>((want >> shift) & 0xFF)) > tolerance)
            return false;
    }
    return true;
}

class Pixels : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        CMsimgApi::SetFallbackOnly(GetParam());
        CUIRender::DrawColor(m_dc, m_all, 0xFFFFFFFF);
    }
    void TearDown() override { CMsimgApi::SetFallbackOnly(false); }
    uint32_t Px(int x, int y) const { return m_surface.At(x, y); }
    int CountColor(uint32_t color) const { return m_surface.Count(color); }

    CPixelSurface m_surface{kSize, kSize};
    HDC m_dc = m_surface.dc();
    RECT m_all = {0, 0, kSize, kSize};
    CPaintManagerUI m_manager;
};

// 9 x 9 image: 3-pixel corners red, green, blue, black; edges grey; middle yellow.
std::string NineGridImage()
{
    std::vector<uint32_t> px(81, 0x808080);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            const bool l = x < 3, r = x >= 6, t = y < 3, b = y >= 6;
            if (!l && !r && !t && !b) px[y * 9 + x] = 0xFFFF00;
            if (l && t) px[y * 9 + x] = 0xFF0000;
            if (r && t) px[y * 9 + x] = 0x00FF00;
            if (l && b) px[y * 9 + x] = 0x0000FF;
            if (r && b) px[y * 9 + x] = 0x000000;
        }
    }
    px[0] = 0x110000;
    return WriteBmp("skinui_grid.bmp", 9, 9, px);
}

} // namespace

TEST_P(Pixels, ColourFillsOpaqueTranslucentAndNone)
{
    const RECT half = {0, 0, 10, 10};
    CUIRender::DrawColor(m_dc, half, 0x80FF0000);
    EXPECT_TRUE(Near(Px(5, 5), 0xFF7F7F)) << std::hex << Px(5, 5);
    EXPECT_EQ(Px(10, 10), 0xFFFFFFu);
    CUIRender::DrawColor(m_dc, m_all, 0x00000000);
    EXPECT_EQ(Px(20, 20), 0xFFFFFFu);
    const RECT opaque = {20, 20, 30, 30};
    CUIRender::DrawColor(m_dc, opaque, 0xFF123456);
    EXPECT_EQ(Px(20, 20), 0x123456u);
    EXPECT_EQ(Px(30, 30), 0xFFFFFFu);
}

TEST_P(Pixels, GradientEndRowsAndHalfTransparentGradient)
{
    const RECT g = {0, 0, 10, 40};
    CUIRender::DrawGradient(m_dc, g, 0xFF000000, 0xFFFFFFFF, true, 64);
    EXPECT_LT(Px(1, 0) & 0xFF, 0x10u);
    EXPECT_GT(Px(1, 39) & 0xFF, 0xE8u);
    EXPECT_LT(Px(1, 10) & 0xFF, Px(1, 30) & 0xFF);
    // Opaque to transparent: drawn with constant alpha 127 over white.
    const RECT t = {20, 0, 30, 40};
    CUIRender::DrawGradient(m_dc, t, 0xFF000000, 0x00000000, true, 64);
    EXPECT_TRUE(Near(Px(25, 0), 0x808080, 3)) << std::hex << Px(25, 0);
}

TEST_P(Pixels, ClipLimitsDrawingAndRestores)
{
    TClipRec clip;
    const RECT c = {30, 30, 40, 40};
    CUIRender::GenerateClip(m_dc, c, clip);
    CUIRender::DrawColor(m_dc, m_all, 0xFF0000FF);
    CUIRender::RestoreClip(clip);
    EXPECT_EQ(Px(35, 35), 0x0000FFu);
    EXPECT_EQ(Px(45, 45), 0xFFFFFFu);
    EXPECT_EQ(Px(29, 35), 0xFFFFFFu);
    CUIRender::DrawColor(m_dc, m_all, 0xFF00FF00);
    EXPECT_EQ(Px(45, 45), 0x00FF00u);
}

TEST_P(Pixels, NineGridCornersUnscaledEdgesStretched)
{
    const std::string path = NineGridImage();
    const RECT item = {0, 0, 40, 30};
    const std::string desc = "file='" + path + "' corner='3,3,3,3'";
    ASSERT_TRUE(CUIRender::DrawImageString(m_dc, &m_manager, item, m_all, desc.c_str()));
    EXPECT_EQ(Px(0, 0), 0x110000u);
    EXPECT_EQ(Px(1, 1), 0xFF0000u);
    EXPECT_EQ(Px(2, 2), 0xFF0000u);
    EXPECT_EQ(Px(3, 3), 0xFFFF00u);
    EXPECT_EQ(Px(37, 0), 0x00FF00u);
    EXPECT_EQ(Px(36, 0), 0x808080u);
    EXPECT_EQ(Px(0, 27), 0x0000FFu);
    EXPECT_EQ(Px(39, 29), 0x000000u);
    EXPECT_EQ(Px(20, 1), 0x808080u);
    EXPECT_EQ(Px(20, 15), 0xFFFF00u);
    EXPECT_EQ(Px(40, 15), 0xFFFFFFu);
}

TEST_P(Pixels, MaskedPixelsAreTransparentAndFadeBlends)
{
    const std::string path = WriteBmp("skinui_mask.bmp", 2, 1, {0xFF00FF, 0x0000FF});
    const RECT item = {0, 0, 20, 10};
    const std::string masked = "file='" + path + "' mask='#FFFF00FF'";
    ASSERT_TRUE(CUIRender::DrawImageString(m_dc, &m_manager, item, m_all, masked.c_str()));
    EXPECT_EQ(Px(2, 5), 0xFFFFFFu);
    EXPECT_EQ(Px(17, 5), 0x0000FFu);
    const std::string plain = WriteBmp("skinui_fade.bmp", 1, 1, {0x000000});
    const RECT fadeItem = {30, 0, 40, 10};
    const std::string faded = "file='" + plain + "' fade='128'";
    ASSERT_TRUE(CUIRender::DrawImageString(m_dc, &m_manager, fadeItem, m_all, faded.c_str()));
    EXPECT_TRUE(Near(Px(35, 5), 0x7F7F7F)) << std::hex << Px(35, 5);
}

TEST_P(Pixels, TiledMiddleEndsWithACutTile)
{
    const std::string path = WriteBmp("skinui_tile.bmp", 4, 1, {0xFF0000, 0x00FF00, 0x0000FF, 0x000000});
    const RECT item = {0, 0, 10, 4};
    const std::string desc = "file='" + path + "' xtiled='true'";
    ASSERT_TRUE(CUIRender::DrawImageString(m_dc, &m_manager, item, m_all, desc.c_str()));
    EXPECT_EQ(Px(0, 0), 0xFF0000u);
    EXPECT_EQ(Px(3, 3), 0x000000u);
    EXPECT_EQ(Px(4, 0), 0xFF0000u);
    EXPECT_EQ(Px(8, 1), 0xFF0000u);
    EXPECT_EQ(Px(9, 1), 0x00FF00u);
    EXPECT_EQ(Px(10, 1), 0xFFFFFFu);
}

TEST_P(Pixels, MissingImageDrawsNothingButSucceeds)
{
    const RECT item = {0, 0, 10, 10};
    EXPECT_TRUE(CUIRender::DrawImageString(m_dc, &m_manager, item, m_all, "file='no_such_image.bmp'"));
    EXPECT_FALSE(CUIRender::DrawImageString(m_dc, nullptr, item, m_all, "x.bmp"));
    EXPECT_EQ(CountColor(0xFFFFFF), kSize * kSize);
}

TEST_P(Pixels, HtmlColourBoldAndLinkRectangles)
{
    RECT rc = {0, 0, kSize, 20};
    int count = 0;
    CUIRender::DrawHtmlText(m_dc, &m_manager, rc, "<c #FF0000>MMM</c>", 0xFF000000, nullptr, nullptr, count,
                            DT_SINGLELINE);
    EXPECT_GT(CountColor(0xFF0000), 0);
    EXPECT_EQ(CountColor(0x000000), 0);

    CUIRender::DrawColor(m_dc, m_all, 0xFFFFFFFF);
    RECT top = {0, 0, kSize, 20};
    RECT below = {0, 30, kSize, 50};
    CUIRender::DrawHtmlText(m_dc, &m_manager, top, "MMMM", 0, nullptr, nullptr, count, DT_SINGLELINE);
    const int plainInk = kSize * kSize - CountColor(0xFFFFFF);
    CUIRender::DrawHtmlText(m_dc, &m_manager, below, "{b}MMMM{/b}", 0, nullptr, nullptr, count, DT_SINGLELINE);
    const int boldInk = kSize * kSize - CountColor(0xFFFFFF) - plainInk;
    EXPECT_GT(plainInk, 0);
    EXPECT_GT(boldInk, plainInk);
}

TEST_P(Pixels, LinkRectanglesStayWithinTheCapacity)
{
    RECT links[2] = {};
    CUIString texts[2];
    int count = 1;
    RECT rc = {0, 0, 200, 20};
    CUIRender::DrawHtmlText(m_dc, &m_manager, rc, "go <a first>one</a> or <a second>two</a>", 0xFF000000, links,
                            texts, count, DT_SINGLELINE);
    ASSERT_EQ(count, 1);
    EXPECT_STREQ(texts[0], "first");
    EXPECT_GT(links[0].left, 0);
    EXPECT_GT(links[0].right, links[0].left);
    EXPECT_TRUE(texts[1].IsEmpty());
    EXPECT_EQ(links[1].right, 0);
}

TEST_P(Pixels, HoveredLinkUsesTheHoverColour)
{
    RECT links[1] = {};
    CUIString texts[1];
    int count = 1;
    RECT rc = {0, 0, kSize, 20};
    const char* text = "<a x>MMM</a>";
    CUIRender::DrawHtmlText(m_dc, &m_manager, rc, text, 0, links, texts, count, DT_SINGLELINE);
    ASSERT_EQ(count, 1);
    EXPECT_GT(CountColor(0x0000FF), 0);
    m_manager.SetMousePos({links[0].left + 1, links[0].top + 1});
    CUIRender::DrawColor(m_dc, m_all, 0xFFFFFFFF);
    CUIRender::DrawHtmlText(m_dc, &m_manager, rc, text, 0, links, texts, count, DT_SINGLELINE);
    EXPECT_GT(CountColor(0xD3215F), 0);
    EXPECT_EQ(CountColor(0x0000FF), 0);
}

TEST_P(Pixels, HtmlInlineImageDrawsTheChosenFrame)
{
    const std::string path = WriteBmp("skinui_frames.bmp", 2, 1, {0xFF0000, 0x00FF00});
    RECT rc = {0, 0, kSize, 20};
    int count = 0;
    const std::string text = "<i " + path + " 2 1>";
    CUIRender::DrawHtmlText(m_dc, &m_manager, rc, text.c_str(), 0, nullptr, nullptr, count, DT_SINGLELINE);
    EXPECT_EQ(CountColor(0x00FF00), 1);
    EXPECT_EQ(CountColor(0xFF0000), 0);
    const std::string outOfRange = "<i " + path + " 2 7>";
    CUIRender::DrawHtmlText(m_dc, &m_manager, rc, outOfRange.c_str(), 0, nullptr, nullptr, count, DT_SINGLELINE);
    EXPECT_EQ(CountColor(0xFF0000), 1);
}

INSTANTIATE_TEST_SUITE_P(Blend, Pixels, ::testing::Values(false, true));

class HtmlLayout : public ::testing::Test {
protected:
    HDC m_dc = ::CreateCompatibleDC(nullptr);
    CPaintManagerUI m_manager;
    void TearDown() override { ::DeleteDC(m_dc); }
};

TEST_F(HtmlLayout, VerticalCentringMeasuresWrappedLinesAtTheOwnWidth)
{
    const RECT rc = {0, 0, 40, 300};
    CHtmlTextPainter painter(m_dc, &m_manager, rc, 0, DT_WORDBREAK | DT_VCENTER);
    painter.Layout("aaa bbb ccc ddd eee fff", nullptr);
    const auto& pieces = painter.Pieces();
    ASSERT_GT(pieces.size(), 2u);
    const int top = pieces.front().rc.top;
    const int bottom = pieces.back().rc.bottom;
    EXPECT_GT(pieces.back().rc.top, pieces.front().rc.top);
    EXPECT_LE(std::abs(top - (300 - bottom)), 2);
}

TEST_F(HtmlLayout, LinesWrapCentreAndEndWithEllipsis)
{
    const RECT rc = {0, 0, 60, 300};
    CHtmlTextPainter centred(m_dc, &m_manager, rc, 0, DT_WORDBREAK | DT_CENTER);
    centred.Layout("ii<n>MMMMMMMMMMMMMMMMMMMM", nullptr);
    const auto& pieces = centred.Pieces();
    ASSERT_GE(pieces.size(), 2u);
    EXPECT_GT(pieces[0].rc.left, 0);
    for (const THtmlPiece& p : pieces) EXPECT_LE(p.rc.right, 60);

    CHtmlTextPainter cut(m_dc, &m_manager, rc, 0, DT_SINGLELINE | DT_END_ELLIPSIS);
    cut.Layout("MMMMMMMMMMMMMMMMMMMM", nullptr);
    ASSERT_EQ(cut.Pieces().size(), 1u);
    const std::string& text = cut.Pieces()[0].text;
    EXPECT_EQ(text.substr(text.size() - 3), "...");
    EXPECT_LT(text.size(), 20u);
}

TEST_F(HtmlLayout, UnterminatedTagsAndEmptyTextAreSafe)
{
    const RECT rc = {0, 0, 60, 20};
    for (const char* text : {"", "<b", "{c #FF", "<a link", "x</b></c></p>", "{p 5}{/p}{/p}"}) {
        CHtmlTextPainter painter(m_dc, &m_manager, rc, 0, DT_SINGLELINE);
        painter.Layout(text, nullptr);
        for (const THtmlPiece& p : painter.Pieces()) EXPECT_LE(p.rc.left, 60) << text;
    }
    RECT zero = {0, 0, 0, 0};
    int count = 0;
    CUIRender::DrawHtmlText(m_dc, &m_manager, zero, "abc", 0, nullptr, nullptr, count, 0);
    EXPECT_EQ(count, 0);
}

TEST_F(HtmlLayout, CalcRectReturnsTheWrappedExtentWithoutShifting)
{
    RECT one = {10, 10, 60, 500};
    RECT many = one;
    int count = 0;
    CUIRender::DrawHtmlText(m_dc, &m_manager, one, "aaa", 0, nullptr, nullptr, count, DT_CALCRECT | DT_WORDBREAK);
    CUIRender::DrawHtmlText(m_dc, &m_manager, many, "aaa bbb ccc ddd eee fff", 0, nullptr, nullptr, count,
                            DT_CALCRECT | DT_WORDBREAK | DT_BOTTOM);
    EXPECT_EQ(one.top, 10);
    EXPECT_GT(one.bottom, 10);
    EXPECT_EQ(many.top, 10);
    EXPECT_GE(many.bottom - many.top, 2 * (one.bottom - one.top));
    EXPECT_LE(many.right, 60);
}
