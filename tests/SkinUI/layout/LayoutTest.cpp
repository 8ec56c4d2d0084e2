#include <gtest/gtest.h>
#include <vector>
#include "ProbeControl.h"
#include "SkinUI/Control/ScrollBarUI.h"
#include "SkinUI/Core/ControlFactory.h"
#include "SkinUI/Layout/HorizontalLayoutUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"

using namespace SkinUI;

namespace {

// Records what reaches it, so forwarding can be seen.
class CProbeLayout : public CVerticalLayoutUI {
public:
    void DoEvent(TEventMsg& event) override
    {
        events.push_back(event.Type);
        CVerticalLayoutUI::DoEvent(event);
    }
    std::vector<int> events;
};

CProbeControl* AddChild(CContainerUI& layout, int cx, int cy)
{
    auto* child = new CProbeControl(nullptr, cy);
    if (cx > 0) child->SetFixedWidth(cx);
    layout.Add(child);
    return child;
}

CProbeControl* AddFloat(CContainerUI& layout, SIZE xy)
{
    CProbeControl* child = AddChild(layout, 20, 10);
    child->SetFloat(true);
    child->SetFixedXY(xy);
    return child;
}

// Five 40 px rows in a 100 x 100 layout with a vertical bar: range 100.
std::vector<CProbeControl*> FillOverflowing(CContainerUI& layout)
{
    layout.EnableScrollBar(true, false);
    std::vector<CProbeControl*> rows;
    for (int i = 0; i < 5; ++i) rows.push_back(AddChild(layout, 0, 40));
    layout.SetPos({0, 0, 100, 100});
    return rows;
}

CControlUI* CALLBACK Self(CControlUI* pControl, LPVOID)
{
    return pControl;
}

} // namespace

TEST(Layout, LastStretchableChildKeepsTheGapsOfTheFirstPassInBothDirections)
{
    CVerticalLayoutUI vertical;
    CHorizontalLayoutUI horizontal;
    for (CContainerUI* layout : {static_cast<CContainerUI*>(&vertical), static_cast<CContainerUI*>(&horizontal)}) {
        const bool isVertical = layout == &vertical;
        AddChild(*layout, isVertical ? 0 : 20, isVertical ? 20 : 0);
        AddChild(*layout, 0, 0);
        AddChild(*layout, 0, 0);
        layout->SetChildPadding(5);
        layout->SetPos({0, 0, 100, 100});
        const LONG starts[] = {0, 25, 65}, ends[] = {20, 60, 90};
        for (int i = 0; i < 3; ++i) {
            const RECT rc = layout->GetItemAt(i)->GetPos();
            EXPECT_EQ(isVertical ? rc.top : rc.left, starts[i]) << i;
            EXPECT_EQ(isVertical ? rc.bottom : rc.right, ends[i]) << i;
        }
    }
}

TEST(VerticalLayout, FloatingChildrenAreOutOfTheFlowAndAnchoredByTheirSign)
{
    CVerticalLayoutUI layout;
    CProbeControl* row = AddChild(layout, 0, 0);
    CProbeControl* topLeft = AddFloat(layout, {10, 5});
    CProbeControl* bottomRight = AddFloat(layout, {-10, -5});
    layout.SetPos({0, 0, 200, 100});
    EXPECT_EQ(row->GetPos(), (RECT{0, 0, 200, 100}));
    EXPECT_EQ(topLeft->GetPos(), (RECT{10, 5, 30, 15}));
    EXPECT_EQ(bottomRight->GetPos(), (RECT{170, 85, 190, 95}));
}

TEST(VerticalLayout, OverflowShowsTheBarAndShrinkingPullsTheScrollPositionBack)
{
    CVerticalLayoutUI layout;
    std::vector<CProbeControl*> rows = FillOverflowing(layout);
    CScrollBarUI* bar = layout.GetVerticalScrollBar();
    ASSERT_TRUE(bar->IsVisible());
    EXPECT_EQ(bar->GetScrollRange(), 100);
    EXPECT_EQ(bar->GetPos(), (RECT{84, 0, 100, 100}));
    EXPECT_EQ(rows[0]->GetPos(), (RECT{0, 0, 84, 40}));
    layout.EndDown();
    layout.RemoveAt(4);
    layout.SetPos({0, 0, 100, 100});
    EXPECT_EQ(layout.GetScrollPos().cy, 60);
    EXPECT_EQ(rows[0]->GetPos().top, -60);
    layout.RemoveAt(3);
    layout.RemoveAt(2);
    layout.SetPos({0, 0, 100, 100});
    EXPECT_FALSE(bar->IsVisible());
    EXPECT_EQ(bar->GetScrollRange(), 0);
    EXPECT_EQ(rows[0]->GetPos(), (RECT{0, 0, 100, 40}));
}

TEST(VerticalLayout, KeysWheelAndScrollPositionMoveTheChildrenWithinTheRange)
{
    CVerticalLayoutUI layout;
    std::vector<CProbeControl*> rows = FillOverflowing(layout);
    const struct {
        int type;
        char key;
        WPARAM wParam;
        int pos;
    } steps[] = {{UIEVENT_KEYDOWN, VK_DOWN, 0, 8},   {UIEVENT_KEYDOWN, VK_END, 0, 100},
                 {UIEVENT_KEYDOWN, VK_UP, 0, 92},    {UIEVENT_KEYDOWN, VK_PRIOR, 0, 0},
                 {UIEVENT_KEYDOWN, VK_NEXT, 0, 100}, {UIEVENT_KEYDOWN, VK_HOME, 0, 0},
                 {UIEVENT_SCROLLWHEEL, 0, 1, 8},     {UIEVENT_SCROLLWHEEL, 0, 0, 0}};
    for (const auto& s : steps) {
        Send(layout, s.type, 10, 10, s.wParam, s.key);
        EXPECT_EQ(layout.GetScrollPos().cy, s.pos) << int(s.key) << "/" << s.wParam;
        EXPECT_EQ(rows[0]->GetPos().top, -s.pos);
    }
    layout.SetScrollPos({0, -50});
    EXPECT_EQ(layout.GetScrollPos().cy, 0);
    // A relayout keeps the scroll offset.
    layout.SetScrollPos({0, 30});
    layout.SetPos({0, 0, 100, 100});
    EXPECT_EQ(rows[1]->GetPos().top, 10);
    layout.GetVerticalScrollBar()->SetEnabled(false);
    Send(layout, UIEVENT_KEYDOWN, 0, 0, 0, VK_DOWN);
    EXPECT_EQ(layout.GetScrollPos().cy, 30);
}

TEST(VerticalLayout, PageSizeNeverGoesNegative)
{
    CVerticalLayoutUI layout;
    layout.SetInset({0, 30, 0, 30});
    layout.EnableScrollBar(true, false);
    for (int i = 0; i < 3; ++i) AddChild(layout, 0, 40);
    layout.SetPos({0, 0, 100, 50});
    layout.SetScrollPos({0, 50});
    const int before = layout.GetScrollPos().cy;
    layout.PageDown();
    EXPECT_GE(layout.GetScrollPos().cy, before);
}

TEST(HorizontalLayout, HorizontalBarScrollsColumnsByKeys)
{
    CHorizontalLayoutUI layout;
    layout.EnableScrollBar(false, true);
    std::vector<CProbeControl*> cols;
    for (int i = 0; i < 4; ++i) cols.push_back(AddChild(layout, 50, 0));
    layout.SetPos({0, 0, 100, 60});
    // The horizontal bar sits below the inner area; its range is left to the owner.
    EXPECT_EQ(layout.GetHorizontalScrollBar()->GetPos(), (RECT{0, 44, 100, 60}));
    EXPECT_EQ(cols[0]->GetPos(), (RECT{0, 0, 50, 44}));
    layout.GetHorizontalScrollBar()->SetScrollRange(100);
    Send(layout, UIEVENT_KEYDOWN, 0, 0, 0, VK_DOWN);
    EXPECT_EQ(cols[0]->GetPos().left, -8);
    Send(layout, UIEVENT_KEYDOWN, 0, 0, 0, VK_END);
    EXPECT_EQ(cols[3]->GetPos().right, 100);
}

TEST(VerticalLayout, DisabledMouseSendsTheWheelToTheParent)
{
    CProbeLayout outer;
    auto* inner = new CVerticalLayoutUI();
    outer.Add(inner);
    FillOverflowing(*inner);
    inner->SetMouseEnabled(false);
    outer.SetManager(nullptr, nullptr, false); // parents the children without a window
    EXPECT_FALSE(inner->GetVerticalScrollBar()->IsMouseEnabled());
    Send(*inner, UIEVENT_SCROLLWHEEL, 10, 10, 1);
    EXPECT_EQ(inner->GetScrollPos().cy, 0);
    EXPECT_EQ(outer.events, std::vector<int>{UIEVENT_SCROLLWHEEL});
}

// Every control that takes a click lets it through to its parent while its mouse is off.
TEST(VerticalLayout, ControlsWithTheMouseOffPassAClickToTheParent)
{
    for (const char* name : {"Button", "Option", "CheckBox", "Edit", "Combo", "ListLabelElement", "ScrollBar"}) {
        CProbeLayout outer;
        CControlUI* control = CControlFactory::Create(name);
        ASSERT_NE(control, nullptr) << name;
        outer.Add(control);
        control->SetPos({0, 0, 50, 20});
        control->SetMouseEnabled(false);
        outer.SetManager(nullptr, nullptr, false);
        Send(*control, UIEVENT_BUTTONDOWN, 10, 10);
        EXPECT_EQ(outer.events, std::vector<int>{UIEVENT_BUTTONDOWN}) << name;
    }
}

TEST(VerticalLayout, SeparatorDragStopsAtTheMinimumHeight)
{
    CVerticalLayoutUI layout;
    layout.SetAttribute("sepheight", "4");
    layout.SetAttribute("sepimm", "true");
    layout.SetMinHeight(30);
    layout.SetPos({0, 0, 100, 60});
    EXPECT_EQ(layout.GetThumbRect(), (RECT{0, 56, 100, 60}));
    Send(layout, UIEVENT_BUTTONDOWN, 50, 58);
    Send(layout, UIEVENT_MOUSEMOVE, 50, 48);
    EXPECT_EQ(layout.GetPos(), (RECT{0, 0, 100, 50}));
    Send(layout, UIEVENT_MOUSEMOVE, 50, 0);
    EXPECT_EQ(layout.GetPos(), (RECT{0, 0, 100, 30}));
    EXPECT_EQ(layout.GetFixedHeight(), 30);
    Send(layout, UIEVENT_BUTTONUP, 50, 0);
    Send(layout, UIEVENT_MOUSEMOVE, 50, 80);
    EXPECT_EQ(layout.GetFixedHeight(), 30);
}

TEST(VerticalLayout, WithoutMouseChildrenHitsLandOnTheBarOrTheLayout)
{
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
