#include <gtest/gtest.h>
#include <string>
#include "SkinUI/Control/TextUI.h"
#include "tests/SkinUI/buttons/ButtonsHost.h"

using namespace SkinUI;

namespace {

class TextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        text = host.Add(new CTextUI, 80);
        text->SetShowHtml(true);
        text->SetText("see {a first}one{/a} and {a second}two{/a} here");
        host.window.Repaint();
    }

    POINT Centre(int link) const
    {
        const RECT rc = text->GetLinkRect(link);
        return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }

    CButtonsHost host;
    CTextUI* text = nullptr;
};

} // namespace

TEST_F(TextTest, LinksAreLaidOutWithTheirTargets)
{
    ASSERT_EQ(text->GetLinkCount(), 2);
    const RECT first = text->GetLinkRect(0);
    const RECT second = text->GetLinkRect(1);
    EXPECT_FALSE(::IsRectEmpty(&first));
    EXPECT_GT(second.left, first.right);
    EXPECT_STREQ(text->GetLinkContent(0), "first");
    EXPECT_STREQ(text->GetLinkContent(1), "second");
    EXPECT_TRUE(text->GetLinkContent(2).IsEmpty());
    EXPECT_GE(first.left, text->GetPos().left + 2);
}

TEST_F(TextTest, ButtonUpOverALinkSendsItsIndexAndHotLinkFollows)
{
    const POINT p = Centre(1);
    host.Click(p.x, p.y);
    ASSERT_EQ(host.log.Count("link", text), 1);
    EXPECT_EQ(host.log.seen.back().wParam, 1u);
    const POINT q = Centre(0);
    host.Click(q.x, q.y);
    EXPECT_EQ(host.log.seen.back().wParam, 0u);
    host.Click(text->GetLinkRect(1).right + 40, 70);
    EXPECT_EQ(host.log.Count("link"), 2);
    host.Move(q.x, q.y);
    EXPECT_EQ(text->GetHotLink(), 0);
    host.Move(q.x, 75);
    EXPECT_EQ(text->GetHotLink(), -1);
}

TEST_F(TextTest, DisabledTextSendsNoLink)
{
    text->SetEnabled(false);
    EXPECT_EQ(text->GetControlFlags(), 0u);
    const POINT p = Centre(0);
    host.Click(p.x, p.y);
    EXPECT_EQ(host.log.Count("link"), 0);
}

TEST_F(TextTest, AtMostEightLinksAreReported)
{
    std::string markup;
    for (int i = 0; i < 10; ++i) markup += "{a l" + std::to_string(i) + "}x{/a} ";
    text->SetText(markup.c_str());
    host.window.Repaint();
    EXPECT_EQ(text->GetLinkCount(), 8);
    EXPECT_STREQ(text->GetLinkContent(7), "l7");
}

TEST_F(TextTest, PlainOrEmptyTextLeavesNoLinks)
{
    ASSERT_EQ(text->GetLinkCount(), 2);
    const POINT p = Centre(0);
    text->SetShowHtml(false);
    host.window.Repaint();
    EXPECT_EQ(text->GetLinkCount(), 0);
    host.Click(p.x, p.y);
    EXPECT_EQ(host.log.Count("link"), 0);
    text->SetShowHtml(true);
    host.window.Repaint();
    EXPECT_EQ(text->GetLinkCount(), 2);
    text->SetText("");
    host.window.Repaint();
    EXPECT_EQ(text->GetLinkCount(), 0);
}

TEST_F(TextTest, EstimateSizeMeasuresWrappedText)
{
    text->SetShowHtml(false);
    text->SetText("one two three four five six seven eight nine ten eleven twelve");
    text->SetFixedHeight(0);
    const SIZE wide = text->EstimateSize(SIZE{400, 0});
    const SIZE narrow = text->EstimateSize(SIZE{80, 0});
    EXPECT_GT(wide.cy, 0);
    EXPECT_GT(narrow.cy, wide.cy);
    EXPECT_LE(narrow.cx, 80 + 2);
    text->SetFixedHeight(33);
    EXPECT_EQ(text->EstimateSize(SIZE{80, 0}).cy, 33);
}
