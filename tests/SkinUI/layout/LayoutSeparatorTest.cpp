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

TEST(LayoutSeparatorStep, EdgeFollowsThePointerWithinTheLimits) {
    struct TCase {
        const char* what;
        bool vertical;
        int sepSize, minSize, maxSize;
        RECT pos;
        int point, last;
        bool moved;
        RECT expected;
    };
    const TCase cases[] = {
        {"bottom edge", true, 4, 0, 9999, {0, 0, 50, 100}, 108, 98, true, {0, 0, 50, 110}},
        {"down from above the strip", true, 4, 0, 9999, {0, 0, 50, 100}, 90, 80, false, {}},
        {"up from below the edge", true, 4, 0, 9999, {0, 0, 50, 100}, 105, 110, false, {}},
        {"top edge", true, -4, 0, 9999, {0, 50, 50, 100}, 45, 52, true, {0, 43, 50, 100}},
        {"top edge, up from above", true, -4, 0, 9999, {0, 50, 50, 100}, 40, 30, false, {}},
        {"top edge, down from below", true, -4, 0, 9999, {0, 50, 50, 100}, 60, 70, false, {}},
        {"stops at the minimum", true, 4, 30, 9999, {0, 0, 50, 40}, 10, 40, true, {0, 0, 50, 30}},
        {"at the minimum already", true, 4, 30, 9999, {0, 0, 50, 30}, 28, 30, false, {}},
        {"top edge stops at the minimum", true, -4, 30, 9999, {0, 0, 50, 40}, 30, 1, true, {0, 10, 50, 40}},
        {"stops at the maximum", true, 4, 0, 60, {0, 0, 50, 50}, 80, 48, true, {0, 0, 50, 60}},
        {"at the maximum already", true, 4, 0, 60, {0, 0, 50, 60}, 70, 59, false, {}},
        {"right edge", false, 4, 20, 9999, {0, 0, 50, 10}, 60, 49, true, {0, 0, 61, 10}},
        {"right edge at the minimum", false, 4, 20, 9999, {0, 0, 50, 10}, 5, 49, true, {0, 0, 20, 10}},
    };
    for (const TCase& c : cases) {
        TSeparatorDrag drag;
        drag.bVertical = c.vertical;
        drag.nSepSize = c.sepSize;
        drag.nMin = c.minSize;
        drag.nMax = c.maxSize;
        RECT out = {-1, -1, -1, -1};
        EXPECT_EQ(LayoutSeparatorStep(drag, c.pos, c.point, c.last, out), c.moved) << c.what;
        if (c.moved) {
            EXPECT_EQ(out, c.expected) << c.what;
        }
    }
}
