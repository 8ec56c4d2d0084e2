#include <gtest/gtest.h>
#include <climits>
#include <vector>
#include "SkinUI/Control/ScrollBarGeometry.h"
#include "SkinUI/Layout/LayoutFloat.h"
#include "SkinUI/Layout/LayoutFlow.h"
#include "SkinUI/Layout/LayoutSeparator.h"
#include "tests/support/UIRectPrint.h"

using namespace SkinUI;

namespace {

// A flow whose children always estimate the same main-axis length (0 = stretchable).
TFlowResult Flow(bool vertical, CUISize available, const std::vector<TFlowChild>& children,
                 const std::vector<int>& lengths, int childPadding = 0, CUIPoint origin = {})
{
    TFlowParams p;
    p.bVertical = vertical;
    p.szAvailable = available;
    p.iChildPadding = childPadding;
    p.ptOrigin = origin;
    return LayoutFlow(p, children, [&](size_t i, CUISize) {
        return vertical ? CUISize{0, lengths[i]} : CUISize{lengths[i], 0};
    });
}

TScrollBarMetrics Vertical(int height, int range, int pos, bool button1 = true)
{
    TScrollBarMetrics m;
    m.rcItem = {100, 0, 116, height};
    m.nRange = range;
    m.nPos = pos;
    m.bShowButton1 = button1;
    return m;
}

} // namespace

TEST(LayoutFlow, PaddingsAndLimitsStayInsideTheChildRectangle)
{
    std::vector<TFlowChild> children(4);
    children[0].rcPadding = {1, 2, 3, 4};
    children[1].cyMin = 30; // estimate 10 raised to 30
    children[2].cyMax = 15; // estimate 50 lowered to 15
    children[3].cyMax = 20; // stretchable, share lowered to 20
    children[3].cxMax = 12;
    const TFlowResult r = Flow(true, {30, 200}, children, {10, 10, 50, 0}, 0, {10, 20});
    // Width 30 - 1 - 3; the bottom padding 4 is part of the rectangle.
    const std::vector<CUIRect> expected = {{11, 22, 37, 36}, {10, 36, 40, 66}, {10, 66, 40, 81}, {10, 81, 22, 101}};
    EXPECT_EQ(r.rects, expected);
    children.resize(1);
    EXPECT_EQ(Flow(false, {100, 30}, children, {10}).rects[0], (CUIRect{1, 2, 14, 26}));
}

TEST(LayoutFlow, OverfullSpaceGivesStretchablesZeroThenTheirMinimum)
{
    std::vector<TFlowChild> children(3);
    children[2].cyMin = 7;
    const TFlowResult r = Flow(true, {20, 30}, children, {50, 0, 0});
    EXPECT_EQ(r.rects[1].bottom - r.rects[1].top, 0);
    EXPECT_EQ(r.rects[2].bottom - r.rects[2].top, 7);
    EXPECT_EQ(r.iNeeded, 57);
}

TEST(LayoutFlow, NegativeSpaceAndExtremeLengthsAndGapsNeitherWrapNorInvert)
{
    std::vector<TFlowChild> padded(2);
    padded[0].rcPadding = {5, 0, 5, 0};
    std::vector<TFlowChild> extreme(4);
    for (TFlowChild& c : extreme) {
        c.cyMax = INT_MAX;
        c.rcPadding = {0, INT_MAX / 2, 0, INT_MAX / 2};
    }
    for (const TFlowResult& r :
         {Flow(true, {-10, -10}, padded, {0, 0}),
          Flow(true, {100, INT_MAX}, extreme, {INT_MAX, INT_MAX, 0, INT_MAX}, INT_MAX, {0, INT_MAX / 2})}) {
        for (size_t i = 0; i < r.rects.size(); ++i) {
            EXPECT_GE(r.rects[i].right, r.rects[i].left) << i;
            EXPECT_GE(r.rects[i].bottom, r.rects[i].top) << i;
            EXPECT_GE(r.rects[i].top, r.rects[i > 0 ? i - 1 : 0].top) << i;
        }
        EXPECT_GE(r.iNeeded, 0);
    }
    EXPECT_EQ(LayoutInnerRect({10, 10, 20, 20}, {8, 8, 8, 8}, 0, 0), (CUIRect{18, 18, 18, 18}));
}

TEST(LayoutFloat, RelativeMovesAndZoomsBySharesOfTheGrowthAndExtremesNeitherWrapNorInvert)
{
    TFloatRequest req;
    req.szXY = {10, 10};
    req.cx = 20;
    req.cy = 20;
    req.bRelative = true;
    req.szParent = {200, 100};
    req.nMoveXPercent = 50;
    req.nMoveYPercent = 100;
    req.nZoomXPercent = 25;
    const TFloatPlacement out = LayoutFloat({0, 0, 300, 140}, req);
    EXPECT_EQ(out.rc, (CUIRect{60, 50, 105, 70}));
    EXPECT_EQ(out.szParent.cx, 300);
    // Shrinking truncates toward zero: -3 * 50 / 100 = -1.
    req.szParent = {203, 100};
    req.nZoomXPercent = 0;
    EXPECT_EQ(LayoutFloat({0, 0, 200, 100}, req).rc.left, 9);
    req = TFloatRequest{{-INT_MAX, INT_MAX}, INT_MAX, INT_MAX, true, {-INT_MAX, -INT_MAX}, INT_MAX, 0, 0, INT_MAX};
    const CUIRect rc = LayoutFloat({-100, -100, INT_MAX, INT_MAX}, req).rc;
    EXPECT_GE(rc.right, rc.left);
    EXPECT_GE(rc.bottom, rc.top);
}

TEST(LayoutSeparator, EdgeFollowsThePointerWithinTheLimits)
{
    EXPECT_EQ(LayoutSeparatorRect({10, 20, 110, 70}, 80, true), (CUIRect{10, 20, 110, 70}));
    struct TCase {
        const char* what;
        bool vertical;
        int sepSize, minSize, maxSize;
        CUIRect pos;
        int point, last;
        CUIRect expected; // empty: not moved
    };
    const TCase cases[] = {
        {"bottom edge", true, 4, 0, 9999, {0, 0, 50, 100}, 108, 98, {0, 0, 50, 110}},
        {"down from above the strip", true, 4, 0, 9999, {0, 0, 50, 100}, 90, 80, {}},
        {"top edge", true, -4, 0, 9999, {0, 50, 50, 100}, 45, 52, {0, 43, 50, 100}},
        {"top edge, down from below", true, -4, 0, 9999, {0, 50, 50, 100}, 60, 70, {}},
        {"at the minimum already", true, 4, 30, 9999, {0, 0, 50, 30}, 28, 30, {}},
        {"top edge stops at the minimum", true, -4, 30, 9999, {0, 0, 50, 40}, 30, 1, {0, 10, 50, 40}},
        {"stops at the maximum", true, 4, 0, 60, {0, 0, 50, 50}, 80, 48, {0, 0, 50, 60}},
        {"right edge at the minimum", false, 4, 20, 9999, {0, 0, 50, 10}, 5, 49, {0, 0, 20, 10}},
    };
    for (const TCase& c : cases) {
        TSeparatorDrag drag;
        drag.bVertical = c.vertical;
        drag.nSepSize = c.sepSize;
        drag.nMin = c.minSize;
        drag.nMax = c.maxSize;
        CUIRect out = {-1, -1, -1, -1};
        const bool moved = c.expected.right != 0;
        EXPECT_EQ(LayoutSeparatorStep(drag, c.pos, c.point, c.last, out), moved) << c.what;
        if (moved) {
            EXPECT_EQ(out, c.expected) << c.what;
        }
    }
}

TEST(ScrollBarGeometry, ButtonsAndThumbFromSizeRangeAndPosition)
{
    struct TCase {
        const char* what;
        TScrollBarMetrics metrics;
        CUIRect button1, button2, thumb; // empty thumb: none
    };
    TScrollBarMetrics horizontal = Vertical(0, 100, 100);
    horizontal.bHorizontal = true;
    horizontal.rcItem = {0, 50, 200, 66};
    // Track 200 - 32 = 168; thumb 200 * 168 / 300 = 112.
    const TCase cases[] = {
        {"thumb no shorter than a button",
         Vertical(100, 100000, 100000),
         {100, 0, 116, 16},
         {100, 84, 116, 100},
         {100, 68, 116, 84}},
        {"short bar", Vertical(40, 100, 0), {100, 0, 116, 16}, {100, 24, 116, 40}, {}},
        {"half buttons", Vertical(20, 100, 0), {100, 0, 116, 10}, {100, 10, 116, 20}, {}},
        {"no first button", Vertical(200, 0, 0, false), {100, 0, 100, 0}, {100, 184, 116, 200}, {100, 0, 116, 184}},
        {"horizontal", horizontal, {0, 50, 16, 66}, {184, 50, 200, 66}, {72, 50, 184, 66}},
    };
    for (const TCase& c : cases) {
        const TScrollBarParts p = ScrollBarLayoutParts(c.metrics);
        EXPECT_EQ(p.rcButton1, c.button1) << c.what;
        EXPECT_EQ(p.rcButton2, c.button2) << c.what;
        EXPECT_EQ(ScrollBarHasThumb(p.rcThumb), c.thumb.right != 0) << c.what;
        if (c.thumb.right != 0) {
            EXPECT_EQ(p.rcThumb, c.thumb) << c.what;
        }
    }
    const TScrollBarParts huge = ScrollBarLayoutParts(Vertical(30000, 2000000000, 1999999999));
    EXPECT_GT(huge.rcThumb.top, 29000);
    EXPECT_LE(huge.rcThumb.bottom, 30000 - 16);
}

TEST(ScrollBarGeometry, DragOffsetScalesByTheFreeLengthWithoutOverflow)
{
    int offset = 7;
    EXPECT_FALSE(ScrollBarDragOffset(10, 100, 200, 168, 16, offset));
    EXPECT_EQ(offset, 7);
    // Free length 200 - 112 - 32 = 56.
    ASSERT_TRUE(ScrollBarDragOffset(-28, 100, 200, 112, 16, offset));
    EXPECT_EQ(offset, -50);
    // 20000 * 2e9 overflows 32 bits.
    ASSERT_TRUE(ScrollBarDragOffset(20000, 2000000000, 30000, 16, 16, offset));
    EXPECT_EQ(offset, 1335470085);
}
