#include <gtest/gtest.h>
#include "tests/SkinUI/support/PixelSurface.h"
#include "tests/SkinUI/support/TempBmp.h"
#include <windows.h>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>
#include "SkinUI/Core/HtmlTextPainter.h"
#include "SkinUI/Core/MsimgApi.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/UIRender.h"

using namespace SkinUI;

namespace {

const int kSize = 64;
const RECT kAll = {0, 0, kSize, kSize};

struct TPixel {
    int x;
    int y;
    uint32_t rgb;
};

// Drawn once with the system's blending and once with the own fallback.
class Pixels : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override { CMsimgApi::SetFallbackOnly(GetParam()); }
    void TearDown() override { CMsimgApi::SetFallbackOnly(false); }
    uint32_t Px(int x, int y) const { return m_surface.At(x, y); }
    bool Image(const std::string& desc, RECT item)
    {
        return CUIRender::DrawImageString(m_dc, &m_manager, item, kAll, desc.c_str());
    }
    void Html(const char* text, RECT rc, RECT* links = nullptr, CUIString* texts = nullptr, int capacity = 0)
    {
        m_surface.Fill(0xFFFFFF);
        CUIRender::DrawHtmlText(m_dc, &m_manager, rc, text, 0xFF000000, links, texts, capacity, DT_SINGLELINE);
        m_links = capacity;
    }
    void ExpectPixels(std::initializer_list<TPixel> pixels) const
    {
        for (const TPixel& p : pixels) EXPECT_EQ(Px(p.x, p.y), p.rgb) << p.x << "," << p.y;
    }

    CPixelSurface m_surface{kSize, kSize};
    HDC m_dc = m_surface.dc();
    CPaintManagerUI m_manager;
    int m_links = 0;
};

} // namespace

TEST_P(Pixels, ColourFillsGradientsAndClip)
{
    CUIRender::DrawColor(m_dc, RECT{0, 0, 10, 10}, 0x80FF0000);
    EXPECT_TRUE(NearColor(Px(5, 5), 0xFF7F7F, 2)) << std::hex << Px(5, 5);
    EXPECT_EQ(Px(10, 10), 0xFFFFFFu);
    CUIRender::DrawColor(m_dc, kAll, 0x00000000);
    EXPECT_EQ(Px(20, 20), 0xFFFFFFu);
    CUIRender::DrawColor(m_dc, RECT{20, 20, 30, 30}, 0xFF123456);
    ExpectPixels({{20, 20, 0x123456}, {30, 30, 0xFFFFFF}});
    m_surface.Fill(0xFFFFFF);
    CUIRender::DrawGradient(m_dc, RECT{0, 0, 10, 40}, 0xFF000000, 0xFFFFFFFF, true, 64);
    EXPECT_LT(Px(1, 0) & 0xFF, 0x10u);
    EXPECT_GT(Px(1, 39) & 0xFF, 0xE8u);
    EXPECT_LT(Px(1, 10) & 0xFF, Px(1, 30) & 0xFF);
    // Opaque to transparent: drawn with constant alpha 127 over white.
    CUIRender::DrawGradient(m_dc, RECT{20, 0, 30, 40}, 0xFF000000, 0x00000000, true, 64);
    EXPECT_TRUE(NearColor(Px(25, 0), 0x808080, 3)) << std::hex << Px(25, 0);
    m_surface.Fill(0xFFFFFF);
    TClipRec clip;
    CUIRender::GenerateClip(m_dc, RECT{30, 30, 40, 40}, clip);
    CUIRender::DrawColor(m_dc, kAll, 0xFF0000FF);
    CUIRender::RestoreClip(clip);
    ExpectPixels({{35, 35, 0x0000FF}, {45, 45, 0xFFFFFF}, {29, 35, 0xFFFFFF}});
    CUIRender::DrawColor(m_dc, kAll, 0xFF00FF00);
    EXPECT_EQ(Px(45, 45), 0x00FF00u);
}

TEST_P(Pixels, NineGridCornersUnscaledEdgesStretched)
{
    // 9 x 9 image: 3-pixel corners red, green, blue, black; edges grey; middle yellow.
    const uint32_t corners[] = {0xFF0000, 0x00FF00, 0x0000FF, 0x000000};
    std::vector<uint32_t> px(81);
    for (int i = 0; i < 81; ++i) {
        const bool l = i % 9 < 3, r = i % 9 >= 6, t = i < 27, b = i >= 54;
        px[i] = (l || r) && (t || b) ? corners[(r ? 1 : 0) + (b ? 2 : 0)] : (l || r || t || b ? 0x808080 : 0xFFFF00);
    }
    px[0] = 0x110000;
    ASSERT_TRUE(Image("file='" + WriteBmp("skinui_grid.bmp", 9, 9, px) + "' corner='3,3,3,3'", RECT{0, 0, 40, 30}));
    ExpectPixels({{0, 0, 0x110000}, {2, 2, 0xFF0000}, {3, 3, 0xFFFF00}, {37, 0, 0x00FF00}, {36, 0, 0x808080}});
    ExpectPixels({{0, 27, 0x0000FF}, {39, 29, 0x000000}, {20, 15, 0xFFFF00}, {40, 15, 0xFFFFFF}});
}

TEST_P(Pixels, MaskedPixelsAreTransparentFadeBlendsTilesAreCutAndMissingImagesDrawNothing)
{
    EXPECT_TRUE(Image("file='no_such_image.bmp'", RECT{0, 0, 10, 10}));
    EXPECT_FALSE(CUIRender::DrawImageString(m_dc, nullptr, RECT{0, 0, 10, 10}, kAll, "x.bmp"));
    EXPECT_EQ(m_surface.Count(0xFFFFFF), kSize * kSize);
    const std::string masked = WriteBmp("skinui_mask.bmp", 2, 1, {0xFF00FF, 0x0000FF});
    ASSERT_TRUE(Image("file='" + masked + "' mask='#FFFF00FF'", RECT{0, 0, 20, 10}));
    ExpectPixels({{2, 5, 0xFFFFFF}, {17, 5, 0x0000FF}});
    ASSERT_TRUE(Image("file='" + WriteBmp("skinui_fade.bmp", 1, 1, {0x000000}) + "' fade='128'", RECT{30, 0, 40, 10}));
    EXPECT_TRUE(NearColor(Px(35, 5), 0x7F7F7F, 2)) << std::hex << Px(35, 5);
    const std::string tile = WriteBmp("skinui_tile.bmp", 4, 1, {0xFF0000, 0x00FF00, 0x0000FF, 0x000000});
    ASSERT_TRUE(Image("file='" + tile + "' xtiled='true'", RECT{0, 20, 10, 24}));
    ExpectPixels({{0, 20, 0xFF0000}, {3, 23, 0x000000}, {4, 20, 0xFF0000}, {8, 21, 0xFF0000}, {9, 21, 0x00FF00}});
    EXPECT_EQ(Px(10, 21), 0xFFFFFFu);
}

TEST_P(Pixels, HtmlColourBoldAndInlineImageFrames)
{
    Html("<c #FF0000>MMM</c>", {0, 0, kSize, 20});
    EXPECT_GT(m_surface.Count(0xFF0000), 0);
    EXPECT_EQ(m_surface.Count(0x000000), 0);
    Html("MMMM", {0, 0, kSize, 20});
    const int plainInk = m_surface.CountNot(0xFFFFFF);
    Html("{b}MMMM{/b}", {0, 0, kSize, 20});
    EXPECT_GT(plainInk, 0);
    EXPECT_GT(m_surface.CountNot(0xFFFFFF), plainInk);
    const std::string frames = WriteBmp("skinui_frames.bmp", 2, 1, {0xFF0000, 0x00FF00});
    Html(("<i " + frames + " 2 1>").c_str(), {0, 0, kSize, 20});
    EXPECT_EQ(m_surface.Count(0x00FF00), 1);
    EXPECT_EQ(m_surface.Count(0xFF0000), 0);
    Html(("<i " + frames + " 2 7>").c_str(), {0, 0, kSize, 20});
    EXPECT_EQ(m_surface.Count(0xFF0000), 1);
}

TEST_P(Pixels, LinksStayWithinTheCapacityAndHoverChangesTheirColour)
{
    RECT links[2] = {};
    CUIString texts[2];
    Html("go <a first>one</a> or <a second>two</a>", {0, 0, 200, 20}, links, texts, 1);
    ASSERT_EQ(m_links, 1);
    EXPECT_STREQ(texts[0], "first");
    EXPECT_GT(links[0].left, 0);
    EXPECT_GT(links[0].right, links[0].left);
    EXPECT_TRUE(texts[1].IsEmpty());
    EXPECT_EQ(links[1].right, 0);
    Html("<a x>MMM</a>", {0, 0, kSize, 20}, links, texts, 1);
    EXPECT_GT(m_surface.Count(0x0000FF), 0);
    m_manager.SetMousePos({links[0].left + 1, links[0].top + 1});
    Html("<a x>MMM</a>", {0, 0, kSize, 20}, links, texts, 1);
    EXPECT_GT(m_surface.Count(0xD3215F), 0);
    EXPECT_EQ(m_surface.Count(0x0000FF), 0);
}

INSTANTIATE_TEST_SUITE_P(Blend, Pixels, ::testing::Values(false, true));

class HtmlLayout : public ::testing::Test {
protected:
    void TearDown() override { ::DeleteDC(m_dc); }
    const std::vector<THtmlPiece>& Layout(const char* text, int width, int height, UINT style)
    {
        m_painter.reset(new CHtmlTextPainter(m_dc, &m_manager, RECT{0, 0, width, height}, 0, style));
        m_painter->Layout(text, nullptr);
        return m_painter->Pieces();
    }

    HDC m_dc = ::CreateCompatibleDC(nullptr);
    CPaintManagerUI m_manager;
    std::unique_ptr<CHtmlTextPainter> m_painter;
};

TEST_F(HtmlLayout, LinesWrapCentreVerticallyAndEndWithEllipsis)
{
    // Vertical centring measures the wrapped lines at the own width.
    const auto& wrapped = Layout("aaa bbb ccc ddd eee fff", 40, 300, DT_WORDBREAK | DT_VCENTER);
    ASSERT_GT(wrapped.size(), 2u);
    EXPECT_GT(wrapped.back().rc.top, wrapped.front().rc.top);
    EXPECT_LE(std::abs(wrapped.front().rc.top - (300 - wrapped.back().rc.bottom)), 2);
    const auto& centred = Layout("ii<n>MMMMMMMMMMMMMMMMMMMM", 60, 300, DT_WORDBREAK | DT_CENTER);
    ASSERT_GE(centred.size(), 2u);
    EXPECT_GT(centred[0].rc.left, 0);
    for (const THtmlPiece& p : centred) EXPECT_LE(p.rc.right, 60);
    const auto& cut = Layout("MMMMMMMMMMMMMMMMMMMM", 60, 300, DT_SINGLELINE | DT_END_ELLIPSIS);
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0].text.substr(cut[0].text.size() - 3), "...");
    EXPECT_LT(cut[0].text.size(), 20u);
}

TEST_F(HtmlLayout, UnterminatedTagsEmptyTextAndCalcRect)
{
    for (const char* text : {"", "<b", "{c #FF", "<a link", "x</b></c></p>", "{p 5}{/p}{/p}"}) {
        for (const THtmlPiece& p : Layout(text, 60, 20, DT_SINGLELINE)) EXPECT_LE(p.rc.left, 60) << text;
    }
    RECT zero = {0, 0, 0, 0};
    int count = 0;
    CUIRender::DrawHtmlText(m_dc, &m_manager, zero, "abc", 0, nullptr, nullptr, count, 0);
    EXPECT_EQ(count, 0);
    // The wrapped extent, without shifting.
    RECT one = {10, 10, 60, 500};
    RECT many = one;
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
    // Closed right after the image, later, or never: only italic tags pop their font.
    const auto& pieces =
        Layout("<b>A<i absent.png></i>B<i absent.png>C</i>D</b><i>E<i absent.png></i>F</i>G<i>H<i absent.png>I</i>J",
               300, 20, DT_SINGLELINE);
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
