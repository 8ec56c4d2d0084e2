#include <gtest/gtest.h>
#include <vector>
#include "SkinUI/Layout/LayoutFlow.h"
#include "RectMatch.h"

using namespace SkinUI;

namespace {

// Children that always estimate the same main-axis length (0 = stretchable).
FlowEstimate Lengths(const std::vector<int>& lengths, bool vertical, std::vector<SIZE>* seen = nullptr) {
    return [=](size_t i, SIZE avail) {
        if (seen)
            seen->push_back(avail);
        return vertical ? SIZE{0, lengths[i]} : SIZE{lengths[i], 0};
    };
}

TFlowParams Params(bool vertical, int cx, int cy, int childPadding = 0) {
    TFlowParams p;
    p.bVertical = vertical;
    p.szAvailable = {cx, cy};
    p.iChildPadding = childPadding;
    return p;
}

}  // namespace

TEST(LayoutFlow, VerticalLastStretchableKeepsTheGapsOfTheFirstPass) {
    std::vector<TFlowChild> children(3);
    TFlowResult r = LayoutFlow(Params(true, 50, 100, 5), children, Lengths({20, 0, 0}, true));
    ASSERT_EQ(r.rects.size(), 3u);
    EXPECT_EQ(r.rects[0], (RECT{0, 0, 50, 20}));
    EXPECT_EQ(r.rects[1], (RECT{0, 25, 50, 60}));
    EXPECT_EQ(r.rects[2], (RECT{0, 65, 50, 90}));
    EXPECT_EQ(r.iNeeded, 20 + 35 + 25 + 2 * 5);
}


TEST(LayoutFlow, PaddingsAreInsideTheChildRectangleOnTheTrailingSide) {
    std::vector<TFlowChild> children(2);
    children[0].rcPadding = {1, 2, 3, 4};
    TFlowParams p = Params(true, 30, 100);
    p.ptOrigin = {10, 20};
    TFlowResult r = LayoutFlow(p, children, Lengths({10, 10}, true));
    // Width 30 - 1 - 3; the bottom padding 4 is part of the rectangle.
    EXPECT_EQ(r.rects[0], (RECT{11, 22, 37, 36}));
    EXPECT_EQ(r.rects[1], (RECT{10, 36, 40, 46}));
    EXPECT_EQ(r.iNeeded, 10 + 2 + 4 + 10);

    std::vector<TFlowChild> row(1);
    row[0].rcPadding = {1, 2, 3, 4};
    TFlowResult h = LayoutFlow(Params(false, 100, 30), row, Lengths({10}, false));
    EXPECT_EQ(h.rects[0], (RECT{1, 2, 14, 26}));
}

TEST(LayoutFlow, LimitsClampFixedAndStretchedLengths) {
    std::vector<TFlowChild> children(3);
    children[0].cyMin = 30;   // estimate 10 raised to 30
    children[1].cyMax = 15;   // estimate 50 lowered to 15
    children[2].cyMax = 20;   // stretchable, share 55 lowered to 20
    children[2].cxMax = 12;
    TFlowResult r = LayoutFlow(Params(true, 40, 100), children, Lengths({10, 50, 0}, true));
    EXPECT_EQ(r.rects[0], (RECT{0, 0, 40, 30}));
    EXPECT_EQ(r.rects[1], (RECT{0, 30, 40, 45}));
    EXPECT_EQ(r.rects[2], (RECT{0, 45, 12, 65}));
}

TEST(LayoutFlow, OverfullSpaceGivesStretchablesZeroThenTheirMinimum) {
    std::vector<TFlowChild> children(3);
    children[2].cyMin = 7;
    TFlowResult r = LayoutFlow(Params(true, 20, 30), children, Lengths({50, 0, 0}, true));
    EXPECT_EQ(r.rects[1].bottom - r.rects[1].top, 0);
    EXPECT_EQ(r.rects[2].bottom - r.rects[2].top, 7);
    EXPECT_EQ(r.iNeeded, 57);
}

TEST(LayoutFlow, NegativeAvailableSpaceNeverInvertsARectangle) {
    std::vector<TFlowChild> children(2);
    children[0].rcPadding = {5, 0, 5, 0};
    TFlowResult r = LayoutFlow(Params(true, -10, -10), children, Lengths({0, 0}, true));
    for (const RECT& rc : r.rects) {
        EXPECT_GE(rc.right, rc.left);
        EXPECT_GE(rc.bottom, rc.top);
    }
}

TEST(LayoutFlow, FixedCrossSizeWinsOverTheAvailableWidth) {
    std::vector<TFlowChild> children(1);
    children[0].cxFixed = 17;
    children[0].cxMin = 20;
    TFlowResult r = LayoutFlow(Params(true, 100, 100), children, Lengths({10}, true));
    EXPECT_EQ(r.rects[0].right - r.rects[0].left, 20);
}

TEST(LayoutFlow, SecondPassEstimatesWithWhatRemains) {
    std::vector<TFlowChild> children(2);
    children[1].rcPadding = {0, 3, 0, 0};
    std::vector<SIZE> seen;
    LayoutFlow(Params(true, 60, 100, 4), children, Lengths({10, 10}, true, &seen));
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].cy, 100);   // first pass: the whole area
    EXPECT_EQ(seen[2].cy, 100);   // second pass, first child
    EXPECT_EQ(seen[3].cy, 100 - 14 - 3);
    EXPECT_EQ(seen[3].cx, 60);
}



TEST(LayoutInnerRect, ShrinksByInsetAndBarsButNeverInverts) {
    EXPECT_EQ(LayoutInnerRect({0, 0, 100, 50}, {1, 2, 3, 4}, 16, 8), (RECT{1, 2, 81, 38}));
    EXPECT_EQ(LayoutInnerRect({10, 10, 20, 20}, {8, 8, 8, 8}, 0, 0), (RECT{18, 18, 18, 18}));
}
