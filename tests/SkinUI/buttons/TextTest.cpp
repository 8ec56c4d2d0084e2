#include <gtest/gtest.h>
#include <string>
#include "SkinUI/Control/TextUI.h"
#include "tests/SkinUI/buttons/ButtonsHost.h"

using namespace SkinUI;

namespace {

class TextTest : public ::testing::Test {
protected:
    void SetUp() override { Show(true, "see {a first}one{/a} and {a second}two{/a} here"); }
    POINT Centre(int link) const
    {
        const RECT rc = text->GetLinkRect(link);
        return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }
    void Show(bool html, const char* markup = nullptr)
    {
        text->SetShowHtml(html);
        if (markup != nullptr) text->SetText(markup);
        host.window.Repaint();
    }

    CButtonsHost host;
    CTextUI* text = host.Add(new CTextUI, 80);
};

} // namespace

TEST_F(TextTest, ButtonUpOverALinkSendsItsIndex)
{
    ASSERT_EQ(text->GetLinkCount(), 2);
    EXPECT_STREQ(text->GetLinkContent(1), "second");
    EXPECT_TRUE(text->GetLinkContent(2).IsEmpty());
    for (int link : {1, 0}) {
        host.Click(Centre(link).x, Centre(link).y);
        ASSERT_NE(host.log.Last("link"), nullptr);
        EXPECT_EQ(host.log.Last("link")->wParam, WPARAM(link));
    }
    host.Click(text->GetLinkRect(1).right + 40, 70);
    text->SetEnabled(false);
    host.Click(Centre(0).x, Centre(0).y);
    EXPECT_EQ(host.log.Count("link", text), 2);
}

TEST_F(TextTest, AtMostEightLinksAndNoneForPlainOrEmptyText)
{
    const POINT p = Centre(0);
    Show(false);
    EXPECT_EQ(text->GetLinkCount(), 0);
    host.Click(p.x, p.y);
    EXPECT_EQ(host.log.Count("link"), 0);
    std::string markup;
    for (int i = 0; i < 10; ++i) markup += "{a l" + std::to_string(i) + "}x{/a} ";
    Show(true, markup.c_str());
    EXPECT_EQ(text->GetLinkCount(), 8);
    EXPECT_STREQ(text->GetLinkContent(7), "l7");
    Show(true, "");
    EXPECT_EQ(text->GetLinkCount(), 0);
}
