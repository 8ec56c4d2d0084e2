#include <gtest/gtest.h>
#include <climits>
#include <vector>
#include "SkinUI/Control/ScrollBarGeometry.h"
#include "SkinUI/Layout/LayoutFloat.h"
#include "SkinUI/Layout/LayoutFlow.h"
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

TScrollBarMetrics Vertical(int height, int range, int pos)
{
    TScrollBarMetrics m;
    m.rcItem = {100, 0, 116, height};
    m.nRange = range;
    m.nPos = pos;
    return m;
}

} // namespace

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

TEST(LayoutFloat, ExtremesNeitherWrapNorInvert)
{
    const TFloatRequest req{{-INT_MAX, INT_MAX}, INT_MAX, INT_MAX, true, {-INT_MAX, -INT_MAX}, INT_MAX, 0, 0, INT_MAX};
    const CUIRect rc = LayoutFloat({-100, -100, INT_MAX, INT_MAX}, req).rc;
    EXPECT_GE(rc.right, rc.left);
    EXPECT_GE(rc.bottom, rc.top);
}

TEST(ScrollBarGeometry, ButtonsAndThumbFromSizeRangeAndPosition)
{
    // Too short for both buttons: each takes half, and there is no thumb.
    const TScrollBarParts half = ScrollBarLayoutParts(Vertical(20, 100, 0));
    EXPECT_EQ(half.rcButton2, (CUIRect{100, 10, 116, 20}));
    EXPECT_FALSE(ScrollBarHasThumb(half.rcThumb));
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
