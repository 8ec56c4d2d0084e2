#include <gtest/gtest.h>
#include "ProbeControl.h"
#include "RectMatch.h"
#include "SkinUI/Control/ScrollBarUI.h"
#include "SkinUI/Layout/HorizontalLayoutUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"

using namespace SkinUI;

namespace {

// Records what reaches it, so forwarding can be seen.
class CProbeLayout : public CVerticalLayoutUI {
public:
    void DoEvent(TEventMsg& event) override {
        events.push_back(event.Type);
        CVerticalLayoutUI::DoEvent(event);
    }
    std::vector<int> events;
};

CProbeControl* AddRow(CContainerUI& layout, int cy) {
    auto* row = new CProbeControl(nullptr, cy);
    layout.Add(row);
    return row;
}

CProbeControl* AddColumn(CContainerUI& layout, int cx) {
    auto* col = new CProbeControl();
    if (cx > 0)
        col->SetFixedWidth(cx);
    layout.Add(col);
    return col;
}

// Five 40 px rows in a 100 x 100 layout with a vertical bar: range 100.
std::vector<CProbeControl*> FillOverflowing(CVerticalLayoutUI& layout) {
    layout.EnableScrollBar(true, false);
    std::vector<CProbeControl*> rows;
    for (int i = 0; i < 5; ++i)
        rows.push_back(AddRow(layout, 40));
    layout.SetPos({0, 0, 100, 100});
    return rows;
}

}  // namespace

TEST(VerticalLayout, FixedThenStretchableRowsWithChildPadding) {
    CVerticalLayoutUI layout;
    CProbeControl* a = AddRow(layout, 20);
    CProbeControl* b = AddRow(layout, 0);
    CProbeControl* c = AddRow(layout, 0);
    layout.SetChildPadding(5);
    layout.SetPos({0, 0, 50, 100});
    EXPECT_EQ(a->GetPos(), (RECT{0, 0, 50, 20}));
    EXPECT_EQ(b->GetPos(), (RECT{0, 25, 50, 60}));
    EXPECT_EQ(c->GetPos(), (RECT{0, 65, 50, 90}));
}

TEST(HorizontalLayout, FixedThenStretchableColumnsWithChildPadding) {
    CHorizontalLayoutUI layout;
    CProbeControl* a = AddColumn(layout, 20);
    CProbeControl* b = AddColumn(layout, 0);
    CProbeControl* c = AddColumn(layout, 0);
    layout.SetChildPadding(5);
    layout.SetPos({0, 0, 100, 30});
    EXPECT_EQ(a->GetPos(), (RECT{0, 0, 20, 30}));
    EXPECT_EQ(b->GetPos(), (RECT{25, 0, 60, 30}));
    EXPECT_EQ(c->GetPos(), (RECT{65, 0, 90, 30}));
}

TEST(VerticalLayout, InsetPaddingAndLimits) {
    CVerticalLayoutUI layout;
    layout.SetInset({5, 5, 5, 5});
    CProbeControl* a = AddRow(layout, 10);
    a->SetPadding({2, 3, 4, 6});
    a->SetMinHeight(15);
    CProbeControl* b = AddRow(layout, 0);
    b->SetMaxHeight(20);
    b->SetMaxWidth(30);
    CProbeControl* hidden = AddRow(layout, 40);
    hidden->SetVisible(false);
    layout.SetPos({100, 100, 200, 200});
    EXPECT_EQ(a->GetPos(), (RECT{107, 108, 191, 129}));
    EXPECT_EQ(b->GetPos(), (RECT{105, 129, 135, 149}));
}

TEST(VerticalLayout, FloatingChildrenAreOutOfTheFlowAndAnchoredByTheirSign) {
    CVerticalLayoutUI layout;
    CProbeControl* row = AddRow(layout, 0);
    auto* topLeft = new CProbeControl();
    topLeft->SetFloat(true);
    topLeft->SetFixedXY({10, 5});
    topLeft->SetFixedWidth(20);
    topLeft->SetFixedHeight(10);
    layout.Add(topLeft);
    auto* bottomRight = new CProbeControl();
    bottomRight->SetFloat(true);
    bottomRight->SetFixedXY({-10, -5});
    bottomRight->SetFixedWidth(20);
    bottomRight->SetFixedHeight(10);
    layout.Add(bottomRight);
    layout.SetPos({0, 0, 200, 100});
    EXPECT_EQ(row->GetPos(), (RECT{0, 0, 200, 100}));
    EXPECT_EQ(topLeft->GetPos(), (RECT{10, 5, 30, 15}));
    EXPECT_EQ(bottomRight->GetPos(), (RECT{170, 85, 190, 95}));
}

TEST(VerticalLayout, RelativeFloatingChildFollowsTheParentsGrowth) {
    CVerticalLayoutUI layout;
    auto* f = new CProbeControl();
    f->SetFloat(true);
    f->SetFixedXY({10, 10});
    f->SetFixedWidth(20);
    f->SetFixedHeight(20);
    f->SetRelativePos(100, 0, 50, 0);
    layout.Add(f);
    layout.SetPos({0, 0, 100, 100});
    EXPECT_EQ(f->GetPos(), (RECT{10, 10, 30, 30}));
    layout.SetPos({0, 0, 140, 100});
    EXPECT_EQ(f->GetPos(), (RECT{50, 10, 90, 30}));
}

TEST(VerticalLayout, OverflowShowsTheScrollBarWithTheRightRange) {
    CVerticalLayoutUI layout;
    std::vector<CProbeControl*> rows = FillOverflowing(layout);
    CScrollBarUI* bar = layout.GetVerticalScrollBar();
    ASSERT_TRUE(bar->IsVisible());
    EXPECT_EQ(bar->GetScrollRange(), 100);
    EXPECT_EQ(bar->GetScrollPos(), 0);
    EXPECT_EQ(bar->GetPos(), (RECT{84, 0, 100, 100}));
    EXPECT_EQ(rows[0]->GetPos(), (RECT{0, 0, 84, 40}));
    EXPECT_EQ(layout.GetScrollRange().cy, 100);

    // Fewer rows: the bar goes away and the rows get the full width.
    layout.RemoveAt(4);
    layout.RemoveAt(3);
    layout.RemoveAt(2);
    layout.SetPos({0, 0, 100, 100});
    EXPECT_FALSE(bar->IsVisible());
    EXPECT_EQ(bar->GetScrollRange(), 0);
    EXPECT_EQ(rows[0]->GetPos(), (RECT{0, 0, 100, 40}));
}

TEST(VerticalLayout, ShrinkingContentPullsTheScrollPositionBack) {
    CVerticalLayoutUI layout;
    FillOverflowing(layout);
    layout.EndDown();
    EXPECT_EQ(layout.GetScrollPos().cy, 100);
    layout.RemoveAt(4);
    layout.SetPos({0, 0, 100, 100});
    EXPECT_EQ(layout.GetScrollRange().cy, 60);
    EXPECT_EQ(layout.GetScrollPos().cy, 60);
    EXPECT_EQ(layout.GetItemAt(0)->GetPos().top, -60);
}

TEST(VerticalLayout, ScrollingMovesChildrenAndClampsTheOffset) {
    CVerticalLayoutUI layout;
    std::vector<CProbeControl*> rows = FillOverflowing(layout);
    layout.LineDown();  // 8 without a manager's font
    EXPECT_EQ(layout.GetScrollPos().cy, 8);
    EXPECT_EQ(rows[0]->GetPos().top, -8);
    layout.PageDown();
    EXPECT_EQ(layout.GetScrollPos().cy, 100);  // clamped to the range
    EXPECT_EQ(rows[4]->GetPos(), (RECT{0, 60, 84, 100}));
    layout.SetScrollPos({0, -50});
    EXPECT_EQ(layout.GetScrollPos().cy, 0);
    EXPECT_EQ(rows[0]->GetPos().top, 0);
    // A relayout keeps the scroll offset.
    layout.SetScrollPos({0, 30});
    layout.SetPos({0, 0, 100, 100});
    EXPECT_EQ(rows[1]->GetPos().top, 10);
}

TEST(VerticalLayout, KeysAndWheelScrollThroughTheVerticalBar) {
    CVerticalLayoutUI layout;
    FillOverflowing(layout);
    TEventMsg key = MakeEvent(UIEVENT_KEYDOWN, 0, 0, 0, VK_END);
    layout.DoEvent(key);
    EXPECT_EQ(layout.GetScrollPos().cy, 100);
    key.chKey = VK_UP;
    layout.DoEvent(key);
    EXPECT_EQ(layout.GetScrollPos().cy, 92);
    key.chKey = VK_PRIOR;
    layout.DoEvent(key);
    EXPECT_EQ(layout.GetScrollPos().cy, 0);
    key.chKey = VK_NEXT;
    layout.DoEvent(key);
    EXPECT_EQ(layout.GetScrollPos().cy, 100);
    key.chKey = VK_HOME;
    layout.DoEvent(key);
    EXPECT_EQ(layout.GetScrollPos().cy, 0);
    TEventMsg wheel = MakeEvent(UIEVENT_SCROLLWHEEL, 10, 10, 1);
    layout.DoEvent(wheel);
    EXPECT_EQ(layout.GetScrollPos().cy, 8);
    wheel.wParam = 0;
    layout.DoEvent(wheel);
    EXPECT_EQ(layout.GetScrollPos().cy, 0);
    // A disabled bar does not scroll.
    layout.GetVerticalScrollBar()->SetEnabled(false);
    key.chKey = VK_DOWN;
    layout.DoEvent(key);
    EXPECT_EQ(layout.GetScrollPos().cy, 0);
}

TEST(VerticalLayout, PageSizeNeverGoesNegative) {
    CVerticalLayoutUI layout;
    layout.SetInset({0, 30, 0, 30});
    layout.EnableScrollBar(true, false);
    for (int i = 0; i < 3; ++i)
        AddRow(layout, 40);
    layout.SetPos({0, 0, 100, 50});
    layout.SetScrollPos({0, 50});
    const int before = layout.GetScrollPos().cy;
    layout.PageDown();
    EXPECT_GE(layout.GetScrollPos().cy, before);
}

TEST(HorizontalLayout, HorizontalBarScrollsColumnsByKeys) {
    CHorizontalLayoutUI layout;
    layout.EnableScrollBar(false, true);
    CScrollBarUI* bar = layout.GetHorizontalScrollBar();
    std::vector<CProbeControl*> cols;
    for (int i = 0; i < 4; ++i)
        cols.push_back(AddColumn(layout, 50));
    layout.SetPos({0, 0, 100, 60});
    // The horizontal bar sits below the inner area; its range is left to the owner.
    EXPECT_EQ(bar->GetPos(), (RECT{0, 44, 100, 60}));
    EXPECT_EQ(cols[0]->GetPos(), (RECT{0, 0, 50, 44}));
    bar->SetScrollRange(100);
    TEventMsg key = MakeEvent(UIEVENT_KEYDOWN, 0, 0, 0, VK_DOWN);
    layout.DoEvent(key);
    EXPECT_EQ(layout.GetScrollPos().cx, 8);
    EXPECT_EQ(cols[0]->GetPos().left, -8);
    key.chKey = VK_END;
    layout.DoEvent(key);
    EXPECT_EQ(cols[3]->GetPos().right, 100);
}

TEST(VerticalLayout, DisabledMouseSendsTheWheelToTheParent) {
    CProbeLayout outer;
    auto* inner = new CVerticalLayoutUI();
    outer.Add(inner);
    inner->EnableScrollBar(true, false);
    for (int i = 0; i < 5; ++i)
        AddRow(*inner, 40);
    inner->SetPos({0, 0, 100, 100});
    inner->SetMouseEnabled(false);
    outer.SetManager(nullptr, nullptr, false);  // parents the children without a window
    EXPECT_FALSE(inner->GetVerticalScrollBar()->IsMouseEnabled());
    TEventMsg wheel = MakeEvent(UIEVENT_SCROLLWHEEL, 10, 10, 1);
    inner->DoEvent(wheel);
    EXPECT_EQ(inner->GetScrollPos().cy, 0);
    ASSERT_EQ(outer.events.size(), 1u);
    EXPECT_EQ(outer.events[0], UIEVENT_SCROLLWHEEL);
}

TEST(VerticalLayout, SeparatorDragStopsAtTheMinimumHeight) {
    CVerticalLayoutUI layout;
    layout.SetAttribute("sepheight", "4");
    layout.SetAttribute("sepimm", "true");
    layout.SetMinHeight(30);
    layout.SetPos({0, 0, 100, 60});
    EXPECT_EQ(layout.GetThumbRect(), (RECT{0, 56, 100, 60}));
    TEventMsg down = MakeEvent(UIEVENT_BUTTONDOWN, 50, 58);
    layout.DoEvent(down);
    TEventMsg move = MakeEvent(UIEVENT_MOUSEMOVE, 50, 48);
    layout.DoEvent(move);
    EXPECT_EQ(layout.GetPos(), (RECT{0, 0, 100, 50}));
    EXPECT_EQ(layout.GetFixedHeight(), 50);
    move.ptMouse.y = 0;
    layout.DoEvent(move);
    EXPECT_EQ(layout.GetPos(), (RECT{0, 0, 100, 30}));
    EXPECT_EQ(layout.GetFixedHeight(), 30);
    TEventMsg up = MakeEvent(UIEVENT_BUTTONUP, 50, 0);
    layout.DoEvent(up);
    move.ptMouse.y = 80;
    layout.DoEvent(move);
    EXPECT_EQ(layout.GetFixedHeight(), 30);
}

TEST(VerticalLayout, TrackedSeparatorResizesOnlyWhenReleased) {
    CVerticalLayoutUI layout;
    layout.SetSepSize(-4);
    layout.SetPos({0, 40, 100, 100});
    TEventMsg down = MakeEvent(UIEVENT_BUTTONDOWN, 50, 41);
    layout.DoEvent(down);
    TEventMsg move = MakeEvent(UIEVENT_MOUSEMOVE, 50, 21);
    layout.DoEvent(move);
    EXPECT_EQ(layout.GetPos(), (RECT{0, 40, 100, 100}));
    EXPECT_EQ(layout.GetThumbRect(true), (RECT{0, 20, 100, 24}));
    TEventMsg up = MakeEvent(UIEVENT_BUTTONUP, 50, 21);
    layout.DoEvent(up);
    EXPECT_EQ(layout.GetPos(), (RECT{0, 20, 100, 100}));
    EXPECT_EQ(layout.GetFixedHeight(), 80);
}

TEST(HorizontalLayout, SeparatorOutsideTheStripIsNotGrabbed) {
    CHorizontalLayoutUI layout;
    layout.SetAttribute("sepwidth", "5");
    layout.SetAttribute("sepimm", "true");
    layout.SetPos({0, 0, 100, 20});
    TEventMsg down = MakeEvent(UIEVENT_BUTTONDOWN, 50, 10);
    layout.DoEvent(down);
    TEventMsg move = MakeEvent(UIEVENT_MOUSEMOVE, 60, 10);
    layout.DoEvent(move);
    EXPECT_EQ(layout.GetPos(), (RECT{0, 0, 100, 20}));
    down.ptMouse.x = 97;
    layout.DoEvent(down);
    move.ptMouse.x = 120;
    layout.DoEvent(move);
    EXPECT_EQ(layout.GetPos(), (RECT{0, 0, 123, 20}));
    EXPECT_EQ(layout.GetFixedWidth(), 123);
}

namespace {

CControlUI* CALLBACK Self(CControlUI* pControl, LPVOID) {
    return pControl;
}

}  // namespace

TEST(VerticalLayout, WithoutMouseChildrenHitsLandOnTheBarOrTheLayout) {
    CVerticalLayoutUI layout;
    FillOverflowing(layout);
    POINT onBar = {90, 50};
    POINT onRow = {40, 50};
    const UINT flags = UIFIND_VISIBLE | UIFIND_HITTEST | UIFIND_TOP_FIRST;
    EXPECT_EQ(layout.FindControl(Self, &onRow, flags), layout.GetItemAt(1));
    layout.SetMouseChildEnabled(false);
    EXPECT_EQ(layout.FindControl(Self, &onBar, flags), layout.GetVerticalScrollBar());
    EXPECT_EQ(layout.FindControl(Self, &onRow, flags), &layout);
}
