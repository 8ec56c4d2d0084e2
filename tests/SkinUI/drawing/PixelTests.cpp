#include <gtest/gtest.h>
#include "tests/SkinUI/support/PixelSurface.h"
#include "tests/SkinUI/support/TempBmp.h"
#include <windows.h>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>
#include "SkinUI/Core/HtmlTextPainter.h"
#include "SkinUI/Core/MsimgApi.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/UIRender.h"

using namespace SkinUI;

namespace {

const int kSize = 64;

class Pixels : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        CMsimgApi::SetFallbackOnly(GetParam());
        CUIRender::DrawColor(m_dc, m_all, 0xFFFFFFFF);
    }
    void TearDown() override { CMsimgApi::SetFallbackOnly(false); }
    uint32_t Px(int x, int y) const { return m_surface.At(x, y); }
    struct TPixel {
        int x;
        int y;
        uint32_t rgb;
    };
    int Html(const char* text, RECT rc, RECT* links = nullptr, CUIString* texts = nullptr, int capacity = 0)
    {
        CUIRender::DrawHtmlText(m_dc, &m_manager, rc, text, 0xFF000000, links, texts, capacity, DT_SINGLELINE);
        return capacity;
    }
    void ExpectPixels(std::initializer_list<TPixel> pixels) const
    {
        for (const TPixel& p : pixels) EXPECT_EQ(Px(p.x, p.y), p.rgb) << p.x << "," << p.y;
    }

    CPixelSurface m_surface{kSize, kSize};
    HDC m_dc = m_surface.dc();
    RECT m_all = {0, 0, kSize, kSize};
    CPaintManagerUI m_manager;
};

// 9 x 9 image: 3-pixel corners red, green, blue, black; edges grey; middle yellow.
std::string NineGridImage()
{
    const uint32_t corners[] = {0xFF0000, 0x00FF00, 0x0000FF, 0x000000};
    std::vector<uint32_t> px(81);
    for (int i = 0; i < 81; ++i) {
        const bool l = i % 9 < 3, r = i % 9 >= 6, t = i < 27, b = i >= 54;
        const uint32_t edge = l || r || t || b ? 0x808080 : 0xFFFF00;
        px[i] = (l || r) && (t || b) ? corners[(r ? 1 : 0) + (b ? 2 : 0)] : edge;
    }
    px[0] = 0x110000;
    return WriteBmp("skinui_grid.bmp", 9, 9, px);
}

} // namespace

TEST_P(Pixels, ColourFillsOpaqueTranslucentAndNone)
{
    const RECT half = {0, 0, 10, 10};
    CUIRender::DrawColor(m_dc, half, 0x80FF0000);
    EXPECT_TRUE(NearColor(Px(5, 5), 0xFF7F7F, 2)) << std::hex << Px(5, 5);
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
    EXPECT_TRUE(NearColor(Px(25, 0), 0x808080, 3)) << std::hex << Px(25, 0);
}

TEST_P(Pixels, ClipLimitsDrawingAndRestores)
{
    TClipRec clip;
    const RECT c = {30, 30, 40, 40};
    CUIRender::GenerateClip(m_dc, c, clip);
    CUIRender::DrawColor(m_dc, m_all, 0xFF0000FF);
    CUIRender::RestoreClip(clip);
    ExpectPixels({{35, 35, 0x0000FF}, {45, 45, 0xFFFFFF}, {29, 35, 0xFFFFFF}});
    CUIRender::DrawColor(m_dc, m_all, 0xFF00FF00);
    EXPECT_EQ(Px(45, 45), 0x00FF00u);
}

TEST_P(Pixels, NineGridCornersUnscaledEdgesStretched)
{
    const std::string path = NineGridImage();
    const RECT item = {0, 0, 40, 30};
    const std::string desc = "file='" + path + "' corner='3,3,3,3'";
    ASSERT_TRUE(CUIRender::DrawImageString(m_dc, &m_manager, item, m_all, desc.c_str()));
    ExpectPixels({{0, 0, 0x110000},
                  {2, 2, 0xFF0000},
                  {3, 3, 0xFFFF00},
                  {37, 0, 0x00FF00},
                  {36, 0, 0x808080},
                  {0, 27, 0x0000FF},
                  {39, 29, 0x000000},
                  {20, 15, 0xFFFF00},
                  {40, 15, 0xFFFFFF}});
}

TEST_P(Pixels, MaskedPixelsAreTransparentFadeBlendsAndMissingImagesDrawNothing)
{
    const RECT none = {0, 0, 10, 10};
    EXPECT_TRUE(CUIRender::DrawImageString(m_dc, &m_manager, none, m_all, "file='no_such_image.bmp'"));
    EXPECT_FALSE(CUIRender::DrawImageString(m_dc, nullptr, none, m_all, "x.bmp"));
    EXPECT_EQ(m_surface.Count(0xFFFFFF), kSize * kSize);
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
    EXPECT_TRUE(NearColor(Px(35, 5), 0x7F7F7F, 2)) << std::hex << Px(35, 5);
}

TEST_P(Pixels, TiledMiddleEndsWithACutTile)
{
    const std::string path = WriteBmp("skinui_tile.bmp", 4, 1, {0xFF0000, 0x00FF00, 0x0000FF, 0x000000});
    const RECT item = {0, 0, 10, 4};
    const std::string desc = "file='" + path + "' xtiled='true'";
    ASSERT_TRUE(CUIRender::DrawImageString(m_dc, &m_manager, item, m_all, desc.c_str()));
    ExpectPixels(
        {{0, 0, 0xFF0000}, {3, 3, 0x000000}, {4, 0, 0xFF0000}, {8, 1, 0xFF0000}, {9, 1, 0x00FF00}, {10, 1, 0xFFFFFF}});
}

TEST_P(Pixels, HtmlColourAndBold)
{
    Html("<c #FF0000>MMM</c>", {0, 0, kSize, 20});
    EXPECT_GT(m_surface.Count(0xFF0000), 0);
    EXPECT_EQ(m_surface.Count(0x000000), 0);
    CUIRender::DrawColor(m_dc, m_all, 0xFFFFFFFF);
    Html("MMMM", {0, 0, kSize, 20});
    const int plainInk = m_surface.CountNot(0xFFFFFF);
    Html("{b}MMMM{/b}", {0, 30, kSize, 50});
    EXPECT_GT(plainInk, 0);
    EXPECT_GT(m_surface.CountNot(0xFFFFFF) - plainInk, plainInk);
}

TEST_P(Pixels, LinksStayWithinTheCapacityAndHoverChangesTheirColour)
{
    RECT links[2] = {};
    CUIString texts[2];
    ASSERT_EQ(Html("go <a first>one</a> or <a second>two</a>", {0, 0, 200, 20}, links, texts, 1), 1);
    EXPECT_STREQ(texts[0], "first");
    EXPECT_GT(links[0].right, links[0].left);
    EXPECT_GT(links[0].left, 0);
    EXPECT_TRUE(texts[1].IsEmpty());
    EXPECT_EQ(links[1].right, 0);

    CUIRender::DrawColor(m_dc, m_all, 0xFFFFFFFF);
    ASSERT_EQ(Html("<a x>MMM</a>", {0, 0, kSize, 20}, links, texts, 1), 1);
    EXPECT_GT(m_surface.Count(0x0000FF), 0);
    m_manager.SetMousePos({links[0].left + 1, links[0].top + 1});
    CUIRender::DrawColor(m_dc, m_all, 0xFFFFFFFF);
    Html("<a x>MMM</a>", {0, 0, kSize, 20}, links, texts, 1);
    EXPECT_GT(m_surface.Count(0xD3215F), 0);
    EXPECT_EQ(m_surface.Count(0x0000FF), 0);
}

TEST_P(Pixels, HtmlInlineImageDrawsTheChosenFrame)
{
    const std::string path = WriteBmp("skinui_frames.bmp", 2, 1, {0xFF0000, 0x00FF00});
    Html(("<i " + path + " 2 1>").c_str(), {0, 0, kSize, 20});
    EXPECT_EQ(m_surface.Count(0x00FF00), 1);
    EXPECT_EQ(m_surface.Count(0xFF0000), 0);
    Html(("<i " + path + " 2 7>").c_str(), {0, 0, kSize, 20});
    EXPECT_EQ(m_surface.Count(0xFF0000), 1);
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

TEST_F(HtmlLayout, ClosingAnInlineImageKeepsTheFontsAroundIt)
{
    const RECT rc = {0, 0, 300, 20};
    CHtmlTextPainter painter(m_dc, &m_manager, rc, 0, DT_SINGLELINE);
    // Closed right after the image, later, or never: only italic tags pop their font.
    painter.Layout(
        "<b>A<i absent.png></i>B<i absent.png>C</i>D</b><i>E<i absent.png></i>F</i>G<i>H<i absent.png>I</i>J", nullptr);
    const auto& pieces = painter.Pieces();
    ASSERT_EQ(pieces.size(), 10u);
    const HFONT plain = m_manager.GetDefaultFontInfo()->hFont;
    const HFONT bold = pieces[0].font;
    const HFONT italic = pieces[4].font;
    EXPECT_NE(bold, plain);
    EXPECT_NE(italic, plain);
    EXPECT_NE(bold, italic);
    const HFONT expected[] = {bold, bold, bold, bold, italic, italic, plain, italic, italic, plain};
    for (size_t i = 0; i < pieces.size(); ++i) EXPECT_EQ(pieces[i].font, expected[i]) << pieces[i].text;
}
