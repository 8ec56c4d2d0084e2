#include <gtest/gtest.h>
#include <vector>
#include "ProbeControl.h"
#include "SkinUI/Control/ScrollBarUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"

using namespace SkinUI;

namespace {

// Five 40 px rows in a 100 x 100 layout with a vertical bar: range 100.
std::vector<CProbeControl*> FillOverflowing(CContainerUI& layout)
{
    layout.EnableScrollBar(true, false);
    std::vector<CProbeControl*> rows;
    for (int i = 0; i < 5; ++i) {
        rows.push_back(new CProbeControl(nullptr, 40));
        layout.Add(rows.back());
    }
    layout.SetPos({0, 0, 100, 100});
    return rows;
}

} // namespace

TEST(VerticalLayout, OverflowShowsTheBarAndShrinkingPullsTheScrollPositionBack)
{
    CVerticalLayoutUI layout;
    std::vector<CProbeControl*> rows = FillOverflowing(layout);
    CScrollBarUI* bar = layout.GetVerticalScrollBar();
    ASSERT_TRUE(bar->IsVisible());
    EXPECT_EQ(bar->GetScrollRange(), 100);
    // The wheel over a row goes up to the layout.
    Send(*rows[1], UIEVENT_SCROLLWHEEL, 50, 50, 1);
    EXPECT_GT(layout.GetScrollPos().cy, 0);
    layout.EndDown();
    layout.RemoveAt(4);
    layout.SetPos({0, 0, 100, 100});
    EXPECT_EQ(layout.GetScrollPos().cy, 60);
    EXPECT_EQ(rows[0]->GetPos().top, -60);
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
