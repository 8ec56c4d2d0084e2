#include <gtest/gtest.h>

#include "app/controls/GroupBoxUI.h"
#include "tests/SkinUI/support/TestWindow.h"

using namespace SkinUI;

namespace {

CContainerUI* Box(CControlUI* control)
{
    return static_cast<CContainerUI*>(control->GetInterface("Container"));
}

CContainerUI* Frame(CGroupBoxUI& box) { return Box(box.GetItemAt(0)); }
CContainerUI* TopRow(CGroupBoxUI& box) { return Box(Frame(box)->GetItemAt(0)); }

bool IsLine(CControlUI* control, bool vertical)
{
    if (control == nullptr || control->GetBkColor() != 0xFF888888) return false;
    return vertical ? control->GetFixedWidth() == 1 : control->GetFixedHeight() == 1;
}

// A plain control that only fills space.
bool IsGap(CControlUI* control)
{
    return control != nullptr && Box(control) == nullptr && control->GetInterface("Label") == nullptr &&
           control->GetBkColor() == 0;
}

}  // namespace

TEST(GroupBoxTest, InnerTreeIsFrameOfLinesAroundTheContent)
{
    CGroupBoxUI box("Channel");
    ASSERT_EQ(box.GetCount(), 1);
    CContainerUI* frame = Frame(box);
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(frame->GetCount(), 3);

    CContainerUI* top = TopRow(box);
    EXPECT_EQ(top->GetFixedHeight(), 12);
    ASSERT_EQ(top->GetCount(), 3);
    CContainerUI* left = Box(top->GetItemAt(0));
    CContainerUI* right = Box(top->GetItemAt(2));
    EXPECT_EQ(top->GetItemAt(1), box.GetTitleLabel());
    EXPECT_EQ(left->GetFixedWidth(), 11);
    EXPECT_EQ(right->GetFixedWidth(), 0);
    for (CContainerUI* corner : {left, right}) {
        const RECT inset = corner->GetInset();
        EXPECT_EQ(inset.top, 6);
        EXPECT_EQ(inset.left + inset.right + inset.bottom, 0);
    }
    EXPECT_TRUE(IsLine(left->GetItemAt(0), true) && IsLine(left->GetItemAt(1), false));
    EXPECT_TRUE(IsLine(right->GetItemAt(0), false) && IsLine(right->GetItemAt(1), true));

    CContainerUI* middle = Box(frame->GetItemAt(1));
    ASSERT_EQ(middle->GetCount(), 3);
    EXPECT_TRUE(IsLine(middle->GetItemAt(0), true) && IsLine(middle->GetItemAt(2), true));
    EXPECT_EQ(middle->GetItemAt(1), box.GetContent());
    const RECT inset = box.GetContent()->GetInset();
    EXPECT_EQ(inset.left, 12);
    EXPECT_EQ(inset.right, 12);
    EXPECT_EQ(inset.top + inset.bottom, 0);
    EXPECT_TRUE(IsLine(frame->GetItemAt(2), false));

    ASSERT_EQ(box.GetContent()->GetCount(), 1);
    EXPECT_TRUE(IsGap(box.GetContent()->GetItemAt(0)));
}

TEST(GroupBoxTest, TitleWidthPerByteAtConstructionAndAfterSetTitle)
{
    struct TCase {
        const char* title;
        int built;  // bytes x 6.3 + 2, truncated
        int retitled;  // bytes x 6.7 + 2, truncated
    };
    const TCase cases[] = {
        {"TX Frequency(MHZ)", 109, 115},
        {"A", 8, 8},
        {"0123456789", 65, 69},
        {"0123456789012345678901234567890123456789", 254, 270},
    };
    for (const TCase& c : cases) {
        CGroupBoxUI box(c.title);
        CLabelUI* title = box.GetTitleLabel();
        ASSERT_NE(title, nullptr) << c.title;
        EXPECT_STREQ(title->GetText().GetData(), c.title);
        EXPECT_EQ(title->GetTextStyle(), static_cast<UINT>(DT_CENTER | DT_VCENTER));
        const RECT padding = title->GetTextPadding();
        EXPECT_EQ(padding.left, 1);
        EXPECT_EQ(padding.top + padding.right + padding.bottom, 0);
        EXPECT_EQ(title->GetFixedWidth(), c.built) << c.title;
        box.SetTitle(c.title);
        EXPECT_EQ(box.GetTitleLabel()->GetFixedWidth(), c.retitled) << c.title;
    }
}

TEST(GroupBoxTest, GbkRetitleCountsBytes)
{
    CGroupBoxUI box("TX Frequency(MHZ)");
    box.SetTitle("发射频率(MHZ)");
    EXPECT_STREQ(box.GetTitleLabel()->GetText().GetData(), "发射频率(MHZ)");
    EXPECT_EQ(box.GetTitleLabel()->GetFixedWidth(), 89);
}

TEST(GroupBoxTest, EmptyTitleHasOnlyTheCornersAndIgnoresSetTitle)
{
    for (const char* title : {"", static_cast<const char*>(nullptr)}) {
        CGroupBoxUI box(title);
        EXPECT_EQ(box.GetTitleLabel(), nullptr);
        box.SetTitle("Later");
        EXPECT_EQ(box.GetTitleLabel(), nullptr);
        CContainerUI* top = TopRow(box);
        ASSERT_EQ(top->GetCount(), 2);
        EXPECT_EQ(Box(top->GetItemAt(0))->GetFixedWidth(), 11);
        EXPECT_EQ(Box(top->GetItemAt(1))->GetCount(), 2);
    }
}

TEST(GroupBoxTest, ChildrenAlternateWithGaps)
{
    CGroupBoxUI box("Rows");
    CControlUI* first = new CControlUI;
    CControlUI* second = new CControlUI;
    ASSERT_TRUE(box.Add(first));
    ASSERT_TRUE(box.Add(second));
    CContainerUI* content = box.GetContent();
    ASSERT_EQ(content->GetCount(), 5);
    EXPECT_TRUE(IsGap(content->GetItemAt(0)));
    EXPECT_EQ(content->GetItemAt(1), first);
    EXPECT_TRUE(IsGap(content->GetItemAt(2)));
    EXPECT_EQ(content->GetItemAt(3), second);
    EXPECT_TRUE(IsGap(content->GetItemAt(4)));
    EXPECT_NE(content->GetItemAt(0), content->GetItemAt(2));
    EXPECT_NE(content->GetItemAt(2), content->GetItemAt(4));
    EXPECT_EQ(box.GetCount(), 1);
}

TEST(GroupBoxTest, RefusedChildAddsNoGap)
{
    CGroupBoxUI box("Rows");
    CControlUI* row = new CControlUI;
    ASSERT_TRUE(box.Add(row));
    EXPECT_FALSE(box.Add(row));
    EXPECT_FALSE(box.Add(nullptr));
    EXPECT_EQ(box.GetContent()->GetCount(), 3);
}

class GroupBoxWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_box = new CGroupBoxUI("Title");
        m_box->SetBkColor(0xFFFFFFFF);
        for (CControlUI*& row : m_rows) {
            row = new CControlUI;
            row->SetFixedHeight(20);
            ASSERT_TRUE(m_box->Add(row));
        }
        ASSERT_TRUE(m_window.GetManager().AttachDialog(m_box));
        m_box->SetPos(RECT{0, 0, kWidth, kHeight});
        m_window.Repaint();
    }

    bool Grey(int x, int y) { return m_window.PrintPixel(x, y) == RGB(0x88, 0x88, 0x88); }

    static constexpr int kWidth = 200;
    static constexpr int kHeight = 100;
    CTestWindow m_window{kWidth, kHeight};
    CGroupBoxUI* m_box = nullptr;
    CControlUI* m_rows[2] = {};
};

TEST_F(GroupBoxWindowTest, LinesFrameTheBoxAndLeaveRoomForTheTitle)
{
    const RECT title = m_box->GetTitleLabel()->GetPos();
    const int titleRight = title.right;
    EXPECT_EQ(title.left, 11);
    EXPECT_EQ(title.right, 11 + 33);  // 5 bytes x 6.3 + 2
    EXPECT_EQ(title.top, 0);
    EXPECT_EQ(title.bottom, 12);

    for (int y : {6, 50, kHeight - 1}) {
        EXPECT_TRUE(Grey(0, y)) << y;
        EXPECT_TRUE(Grey(kWidth - 1, y)) << y;
    }
    for (int x : {1, 10, titleRight, kWidth - 2}) EXPECT_TRUE(Grey(x, 6)) << x;
    for (int x : {1, 100, kWidth - 2}) EXPECT_TRUE(Grey(x, kHeight - 1)) << x;
    for (int x : {0, kWidth - 1}) EXPECT_FALSE(Grey(x, 5)) << x;
    for (int x : {11, 27, titleRight - 1}) EXPECT_FALSE(Grey(x, 6)) << x;
    EXPECT_FALSE(Grey(1, 7));
    EXPECT_FALSE(Grey(kWidth / 2, 50));
}

TEST_F(GroupBoxWindowTest, RowsSpreadEvenlyInsideTheInset)
{
    const int contentTop = 12;
    const int contentBottom = kHeight - 1;
    const RECT first = m_rows[0]->GetPos();
    const RECT second = m_rows[1]->GetPos();
    for (const RECT& rc : {first, second}) {
        EXPECT_EQ(rc.left, 1 + 12);
        EXPECT_EQ(rc.right, kWidth - 1 - 12);
        EXPECT_EQ(rc.bottom - rc.top, 20);
    }
    const int gaps[] = {first.top - contentTop, second.top - first.bottom, contentBottom - second.bottom};
    EXPECT_EQ(gaps[0] + gaps[1] + gaps[2], contentBottom - contentTop - 40);
    // 47 free pixels over three gaps; the last gap takes the remainder.
    EXPECT_EQ(gaps[0], 15);
    EXPECT_EQ(gaps[1], 15);
    EXPECT_EQ(gaps[2], 17);
}
