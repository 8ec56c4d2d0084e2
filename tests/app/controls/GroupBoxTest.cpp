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
        CContainerUI* top = TopRow(box);
        ASSERT_EQ(top->GetCount(), 2);
        EXPECT_EQ(Box(top->GetItemAt(0))->GetFixedWidth(), 11);
        EXPECT_EQ(Box(top->GetItemAt(1))->GetCount(), 2);
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

    const RECT title = box->GetTitleLabel()->GetPos();
    EXPECT_EQ(title.left, 11);
    EXPECT_EQ(title.right, 11 + 33); // 5 bytes x 6.3 + 2
    EXPECT_EQ(title.bottom, 12);
    for (int y : {6, 50, kHeight - 1}) EXPECT_TRUE(grey(0, y) && grey(kWidth - 1, y)) << y;
    for (int x : {1, 10, 44, kWidth - 2}) EXPECT_TRUE(grey(x, 6) && grey(x, kHeight - 1)) << x;
    for (int x : {0, kWidth - 1}) EXPECT_FALSE(grey(x, 5)) << x;
    for (int x : {11, 27, 43}) EXPECT_FALSE(grey(x, 6)) << x;
    EXPECT_FALSE(grey(1, 7));
    EXPECT_FALSE(grey(kWidth / 2, 50));

    // Content x 13..187, y 12..99: 47 free pixels over three gaps, the last taking the remainder.
    const RECT first = rows[0]->GetPos(), second = rows[1]->GetPos();
    EXPECT_EQ(first.left, 13);
    EXPECT_EQ(first.right, kWidth - 13);
    EXPECT_EQ(first.top, 12 + 15);
    EXPECT_EQ(second.top, first.bottom + 15);
    EXPECT_EQ(second.bottom, kHeight - 1 - 17);
}
