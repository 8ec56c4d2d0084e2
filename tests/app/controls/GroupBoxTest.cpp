#include <gtest/gtest.h>

#include "app/controls/GroupBoxUI.h"
#include "tests/SkinUI/support/TestWindow.h"

using namespace SkinUI;

namespace {

CContainerUI* Box(CControlUI* control)
{
    return static_cast<CContainerUI*>(control->GetInterface("Container"));
}

// The frame's top row: corner, title, corner.
CContainerUI* TopRow(CGroupBoxUI& box)
{
    return Box(Box(box.GetItemAt(0))->GetItemAt(0));
}

} // namespace

TEST(GroupBoxTest, EmptyTitleHasOnlyTheCornersAndIgnoresSetTitle)
{
    for (const char* title : {"", static_cast<const char*>(nullptr)}) {
        CGroupBoxUI box(title);
        box.SetTitle("Later");
        EXPECT_EQ(box.GetTitleLabel(), nullptr);
        EXPECT_EQ(TopRow(box)->GetCount(), 2);
    }
}

TEST(GroupBoxWindowTest, LinesFrameTheBoxAroundTheTitleAndRowsSpreadEvenlyARefusedChildAddingNoGap)
{
    constexpr int kWidth = 200, kHeight = 100;
    CTestWindow window{kWidth, kHeight};
    auto* box = new CGroupBoxUI("Title");
    box->SetBkColor(0xFFFFFFFF);
    CControlUI* rows[2] = {new CControlUI, new CControlUI};
    for (CControlUI* row : rows) {
        row->SetFixedHeight(20);
        ASSERT_TRUE(box->Add(row));
    }
    // Refused, a child adds no gap: the rows below stay spread over three gaps.
    EXPECT_FALSE(box->Add(rows[1]));
    EXPECT_FALSE(box->Add(nullptr));
    ASSERT_TRUE(window.GetManager().AttachDialog(box));
    box->SetPos(RECT{0, 0, kWidth, kHeight});
    window.Repaint();
    const auto grey = [&](int x, int y) { return window.PrintPixel(x, y) == RGB(0x88, 0x88, 0x88); };

    // The line runs round the box at y 6, broken by the title (x 11..44: 5 bytes x 6.3 + 2).
    EXPECT_EQ(RectText(box->GetTitleLabel()->GetPos()), "11,0,44,12");
    for (int x : {10, 44}) EXPECT_TRUE(grey(x, 6) && grey(x, kHeight - 1)) << x;
    EXPECT_TRUE(grey(0, 50) && grey(kWidth - 1, 50));
    EXPECT_FALSE(grey(27, 6));
    EXPECT_FALSE(grey(kWidth / 2, 50));

    // Content x 13..187, y 12..99: 47 free pixels over three gaps, the last taking the remainder.
    EXPECT_EQ(RectText(rows[0]->GetPos()), "13,27,187,47");
    EXPECT_EQ(RectText(rows[1]->GetPos()), "13,62,187,82");
}
