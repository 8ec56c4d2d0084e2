#include <gtest/gtest.h>
#include "SkinUI/Layout/LayoutFloat.h"
#include "RectMatch.h"

using namespace SkinUI;

TEST(LayoutFloat, PositiveOffsetsAnchorTopLeftNegativeOnesBottomRight) {
    TFloatRequest req;
    req.szXY = {5, 6};
    req.cx = 20;
    req.cy = 10;
    EXPECT_EQ(LayoutFloat({100, 100, 300, 200}, req).rc, (RECT{105, 106, 125, 116}));
    req.szXY = {-5, -6};
    EXPECT_EQ(LayoutFloat({100, 100, 300, 200}, req).rc, (RECT{275, 184, 295, 194}));
    req.szXY = {-5, 6};
    EXPECT_EQ(LayoutFloat({100, 100, 300, 200}, req).rc, (RECT{275, 106, 295, 116}));
}


TEST(LayoutFloat, RelativeMovesAndZoomsBySharesOfTheGrowth) {
    TFloatRequest req;
    req.szXY = {10, 10};
    req.cx = 20;
    req.cy = 20;
    req.bRelative = true;
    req.szParent = {200, 100};
    req.nMoveXPercent = 50;
    req.nMoveYPercent = 100;
    req.nZoomXPercent = 25;
    req.nZoomYPercent = 0;
    TFloatPlacement out = LayoutFloat({0, 0, 300, 140}, req);
    EXPECT_EQ(out.rc, (RECT{60, 50, 105, 70}));
    EXPECT_EQ(out.szParent.cx, 300);
    // Shrinking truncates toward zero: -3 * 50 / 100 = -1.
    req.szParent = {203, 100};
    req.nZoomXPercent = 0;
    EXPECT_EQ(LayoutFloat({0, 0, 200, 100}, req).rc.left, 9);
}

