#include <gtest/gtest.h>
#include "SkinUI/Layout/LayoutSeparator.h"
#include "RectMatch.h"

using namespace SkinUI;

TEST(LayoutSeparatorRect, EdgesAndClamping) {
    const RECT b = {10, 20, 110, 70};
    EXPECT_EQ(LayoutSeparatorRect(b, 4, true), (RECT{10, 66, 110, 70}));
    EXPECT_EQ(LayoutSeparatorRect(b, -4, true), (RECT{10, 20, 110, 24}));
    EXPECT_EQ(LayoutSeparatorRect(b, 80, true), (RECT{10, 20, 110, 70}));
    EXPECT_EQ(LayoutSeparatorRect(b, -80, true), (RECT{10, 20, 110, 70}));
    EXPECT_EQ(LayoutSeparatorRect(b, 4, false), (RECT{106, 20, 110, 70}));
    EXPECT_EQ(LayoutSeparatorRect(b, -4, false), (RECT{10, 20, 14, 70}));
}

TEST(LayoutSeparatorStep, BottomEdgeFollowsThePointerInsideTheStrip) {
    TSeparatorDrag drag;
    drag.nSepSize = 4;
    RECT out = {};
    ASSERT_TRUE(LayoutSeparatorStep(drag, {0, 0, 50, 100}, 108, 98, out));
    EXPECT_EQ(out, (RECT{0, 0, 50, 110}));
    // Moving down while above the strip, or up while below the edge, is ignored.
    EXPECT_FALSE(LayoutSeparatorStep(drag, {0, 0, 50, 100}, 90, 80, out));
    EXPECT_FALSE(LayoutSeparatorStep(drag, {0, 0, 50, 100}, 105, 110, out));
}

TEST(LayoutSeparatorStep, TopEdgeMovesTheTop) {
    TSeparatorDrag drag;
    drag.nSepSize = -4;
    RECT out = {};
    ASSERT_TRUE(LayoutSeparatorStep(drag, {0, 50, 50, 100}, 45, 52, out));
    EXPECT_EQ(out, (RECT{0, 43, 50, 100}));
    EXPECT_FALSE(LayoutSeparatorStep(drag, {0, 50, 50, 100}, 40, 30, out));
    EXPECT_FALSE(LayoutSeparatorStep(drag, {0, 50, 50, 100}, 60, 70, out));
}

TEST(LayoutSeparatorStep, StopsExactlyAtTheMinimumThenIgnores) {
    TSeparatorDrag drag;
    drag.nSepSize = 4;
    drag.nMin = 30;
    RECT out = {};
    ASSERT_TRUE(LayoutSeparatorStep(drag, {0, 0, 50, 40}, 10, 40, out));
    EXPECT_EQ(out, (RECT{0, 0, 50, 30}));
    EXPECT_FALSE(LayoutSeparatorStep(drag, {0, 0, 50, 30}, 28, 30, out));
    drag.nSepSize = -4;
    ASSERT_TRUE(LayoutSeparatorStep(drag, {0, 0, 50, 40}, 30, 1, out));
    EXPECT_EQ(out, (RECT{0, 10, 50, 40}));
}

TEST(LayoutSeparatorStep, StopsAtTheMaximum) {
    TSeparatorDrag drag;
    drag.nSepSize = 4;
    drag.nMax = 60;
    RECT out = {};
    ASSERT_TRUE(LayoutSeparatorStep(drag, {0, 0, 50, 50}, 80, 48, out));
    EXPECT_EQ(out, (RECT{0, 0, 50, 60}));
    EXPECT_FALSE(LayoutSeparatorStep(drag, {0, 0, 50, 60}, 70, 59, out));
}

TEST(LayoutSeparatorStep, HorizontalMirrorsOnTheXAxis) {
    TSeparatorDrag drag;
    drag.bVertical = false;
    drag.nSepSize = 4;
    drag.nMin = 20;
    RECT out = {};
    ASSERT_TRUE(LayoutSeparatorStep(drag, {0, 0, 50, 10}, 60, 49, out));
    EXPECT_EQ(out, (RECT{0, 0, 61, 10}));
    ASSERT_TRUE(LayoutSeparatorStep(drag, {0, 0, 50, 10}, 5, 49, out));
    EXPECT_EQ(out, (RECT{0, 0, 20, 10}));
}
