#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "ProbeControl.h"
#include "SkinUI/Control/ScrollBarUI.h"
#include "SkinUI/Core/ControlFactory.h"
#include "SkinUI/Layout/HorizontalLayoutUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"
#include "tests/SkinUI/support/PixelSurface.h"

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

CProbeControl* AddChild(CContainerUI& layout, int cx, int cy, DWORD colour = 0)
{
    auto* child = new CProbeControl(nullptr, cy);
    if (cx > 0) child->SetFixedWidth(cx);
    child->SetBkColor(colour);
    layout.Add(child);
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
    CProbeControl* anchored[2] = {};
    for (SIZE xy : {SIZE{10, 5}, SIZE{-10, -5}}) {
        anchored[xy.cx < 0] = AddChild(layout, 20, 10);
        anchored[xy.cx < 0]->SetFloat(true);
        anchored[xy.cx < 0]->SetFixedXY(xy);
    }
    layout.SetPos({0, 0, 200, 100});
    EXPECT_EQ(row->GetPos(), (RECT{0, 0, 200, 100}));
    EXPECT_EQ(anchored[0]->GetPos(), (RECT{10, 5, 30, 15}));
    EXPECT_EQ(anchored[1]->GetPos(), (RECT{170, 85, 190, 95}));
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
    // A page is never negative, however large the inset.
    CVerticalLayoutUI inset;
    inset.SetInset({0, 30, 0, 30});
    FillOverflowing(inset);
    inset.SetPos({0, 0, 100, 50});
    inset.SetScrollPos({0, 50});
    const int before = inset.GetScrollPos().cy;
    inset.PageDown();
    EXPECT_GE(inset.GetScrollPos().cy, before);
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

// Every control that takes a click, and a layout the wheel, lets it through to its parent while its mouse is off.
TEST(VerticalLayout, ControlsWithTheMouseOffPassClicksAndTheWheelToTheParent)
{
    for (const char* name :
         {"Button", "Option", "CheckBox", "Edit", "Combo", "ListLabelElement", "ScrollBar", "VerticalLayout"}) {
        CProbeLayout outer;
        CControlUI* control = CControlFactory::Create(name);
        ASSERT_NE(control, nullptr) << name;
        outer.Add(control);
        auto* layout = std::string(name) == "VerticalLayout" ? static_cast<CVerticalLayoutUI*>(control) : nullptr;
        if (layout != nullptr) FillOverflowing(*layout);
        if (layout == nullptr) control->SetPos({0, 0, 50, 20});
        control->SetMouseEnabled(false);
        outer.SetManager(nullptr, nullptr, false); // parents the children without a window
        const int type = layout != nullptr ? UIEVENT_SCROLLWHEEL : UIEVENT_BUTTONDOWN;
        Send(*control, type, 10, 10, 1);
        EXPECT_EQ(outer.events, std::vector<int>{type}) << name;
        if (layout == nullptr) continue;
        EXPECT_FALSE(layout->GetVerticalScrollBar()->IsMouseEnabled());
        EXPECT_EQ(layout->GetScrollPos().cy, 0);
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
    EXPECT_EQ(HitTest(layout, 40, 50, UIFIND_TOP_FIRST), layout.GetItemAt(1));
    layout.SetMouseChildEnabled(false);
    EXPECT_EQ(HitTest(layout, 90, 50, UIFIND_TOP_FIRST), layout.GetVerticalScrollBar());
    EXPECT_EQ(HitTest(layout, 40, 50, UIFIND_TOP_FIRST), &layout);
}

namespace {

const uint32_t kWhite = 0xFFFFFF;
const RECT kAll = {0, 0, 64, 64};

} // namespace

TEST(LayoutPaint, ScrollBarWithoutImagesOutlinesItsPartsInsideThePaintArea)
{
    CPixelSurface s(64, 64);
    CScrollBarUI bar;
    bar.SetPos({0, 0, 16, 64}); // buttons 0-16 and 48-64, thumb 16-32
    bar.DoPaint(s.dc(), RECT{20, 0, 64, 64});
    EXPECT_EQ(s.At(0, 0), kWhite);
    bar.DoPaint(s.dc(), kAll);
    // Outlines of both buttons and the thumb; the track after the thumb and everything beside the bar untouched.
    const struct {
        int x, y;
        uint32_t rgb;
    } pixels[] = {{0, 0, 0x85E4FF},  {8, 8, kWhite},  {0, 63, 0x85E4FF},
                  {0, 20, 0x85E4FF}, {8, 40, kWhite}, {30, 8, kWhite}};
    for (const auto& p : pixels) EXPECT_EQ(s.At(p.x, p.y), p.rgb) << p.x << "," << p.y;
}

TEST(LayoutPaint, ChildrenAreClippedToTheInnerAreaButFloatingOnesMayCoverTheInset)
{
    CPixelSurface s(64, 64);
    CContainerUI c;
    CProbeControl* child = AddChild(c, 0, 0, 0xFFFF0000);
    CProbeControl* badge = AddChild(c, 0, 0, 0xFF0000FF);
    badge->SetFloat(true);
    CProbeControl* hidden = AddChild(c, 0, 0, 0xFF00FF00);
    hidden->SetVisible(false);
    c.SetInset({10, 10, 10, 10});
    c.SetPos(kAll);
    child->SetPos(kAll); // as if scrolled over the inset
    badge->SetPos({0, 0, 8, 8});
    hidden->SetPos({20, 20, 40, 40});
    c.DoPaint(s.dc(), kAll);
    EXPECT_EQ(s.At(15, 15), 0xFF0000u);
    EXPECT_EQ(s.At(30, 30), 0xFF0000u);
    EXPECT_EQ(s.At(5, 32), kWhite);
    EXPECT_EQ(s.At(60, 60), kWhite);
    EXPECT_EQ(s.At(2, 2), 0x0000FFu);
}

TEST(LayoutPaint, TrackedSeparatorDrawsATranslucentBarWhileDragging)
{
    CPixelSurface s(64, 64);
    CVerticalLayoutUI pane;
    pane.SetSepSize(4);
    pane.SetPos({0, 0, 64, 40});
    Send(pane, UIEVENT_BUTTONDOWN, 10, 38);
    Send(pane, UIEVENT_MOUSEMOVE, 10, 48);
    pane.DoPostPaint(s.dc(), kAll);
    EXPECT_TRUE(NearColor(s.At(10, 47), 0x555555)) << std::hex << s.At(10, 47);
    EXPECT_EQ(s.At(10, 38), kWhite);
    Send(pane, UIEVENT_BUTTONUP, 10, 48);
    CPixelSurface after(64, 64);
    pane.DoPostPaint(after.dc(), kAll);
    EXPECT_EQ(after.At(10, 47), kWhite);
}
