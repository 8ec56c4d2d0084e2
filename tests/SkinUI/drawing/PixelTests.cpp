#include <gtest/gtest.h>
#include "tests/SkinUI/support/PixelSurface.h"
#include "tests/SkinUI/support/TempBmp.h"
#include <windows.h>
#include <cstdint>
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

// Drawn once with the system's blending and once with the own fallback.
class Pixels : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override { CMsimgApi::SetFallbackOnly(GetParam()); }
    void TearDown() override { CMsimgApi::SetFallbackOnly(false); }
    void Html(const char* text, RECT rc, RECT* links = nullptr, CUIString* texts = nullptr, int capacity = 0)
    {
        m_surface.Fill(0xFFFFFF);
        CUIRender::DrawHtmlText(m_dc, &m_manager, rc, text, 0xFF000000, links, texts, capacity, DT_SINGLELINE);
        m_links = capacity;
    }

    CPixelSurface m_surface{kSize, kSize};
    HDC m_dc = m_surface.dc();
    CPaintManagerUI m_manager;
    int m_links = 0;
};

} // namespace

TEST_P(Pixels, HtmlInlineImageFramesStayInRange)
{
    const std::string frames = WriteBmp("skinui_frames.bmp", 2, 1, {0xFF0000, 0x00FF00});
    Html(("<i " + frames + " 2 1>").c_str(), {0, 0, kSize, 20});
    EXPECT_EQ(m_surface.Count(0x00FF00), 1);
    EXPECT_EQ(m_surface.Count(0xFF0000), 0);
    Html(("<i " + frames + " 2 7>").c_str(), {0, 0, kSize, 20});
    EXPECT_EQ(m_surface.Count(0xFF0000), 1);
}

TEST_P(Pixels, LinksStayWithinTheCapacity)
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

TEST_F(HtmlLayout, UnterminatedTagsAndEmptyText)
{
    for (const char* text : {"", "<b", "{c #FF", "<a link", "x</b></c></p>", "{p 5}{/p}{/p}"}) {
        for (const THtmlPiece& p : Layout(text, 60, 20, DT_SINGLELINE)) EXPECT_LE(p.rc.left, 60) << text;
    }
    RECT zero = {0, 0, 0, 0};
    int count = 0;
    CUIRender::DrawHtmlText(m_dc, &m_manager, zero, "abc", 0, nullptr, nullptr, count, 0);
    EXPECT_EQ(count, 0);
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
