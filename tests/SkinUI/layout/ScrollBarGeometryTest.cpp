#include <gtest/gtest.h>
#include "SkinUI/Control/ScrollBarGeometry.h"
#include "RectMatch.h"

using namespace SkinUI;

namespace {

TScrollBarMetrics Vertical(int height, int range, int pos) {
    TScrollBarMetrics m;
    m.rcItem = {100, 0, 116, height};
    m.nRange = range;
    m.nPos = pos;
    return m;
}

}  // namespace

TEST(ScrollBarGeometry, VerticalThumbLengthAndPosition) {
    // Track 200 - 32 = 168; length 200 * 168 / 300 = 112.
    TScrollBarParts p = ScrollBarLayoutParts(Vertical(200, 100, 0));
    EXPECT_EQ(p.rcButton1, (RECT{100, 0, 116, 16}));
    EXPECT_EQ(p.rcButton2, (RECT{100, 184, 116, 200}));
    EXPECT_EQ(p.rcThumb, (RECT{100, 16, 116, 128}));
    p = ScrollBarLayoutParts(Vertical(200, 100, 100));
    EXPECT_EQ(p.rcThumb, (RECT{100, 72, 116, 184}));
    p = ScrollBarLayoutParts(Vertical(200, 100, 50));
    EXPECT_EQ(p.rcThumb.top, 16 + 56 * 50 / 100);
}

TEST(ScrollBarGeometry, ThumbNeverShorterThanAButton) {
    TScrollBarParts p = ScrollBarLayoutParts(Vertical(100, 100000, 100000));
    EXPECT_EQ(p.rcThumb.bottom - p.rcThumb.top, 16);
    EXPECT_EQ(p.rcThumb.bottom, 84);
}


TEST(ScrollBarGeometry, HugeRangeDoesNotOverflow) {
    TScrollBarParts p = ScrollBarLayoutParts(Vertical(30000, 2000000000, 1999999999));
    EXPECT_GE(p.rcThumb.top, 16);
    EXPECT_LE(p.rcThumb.bottom, 30000 - 16);
    EXPECT_GT(p.rcThumb.top, 29000);
}

TEST(ScrollBarGeometry, ShortBarHasHalfButtonsAndNoThumb) {
    TScrollBarParts p = ScrollBarLayoutParts(Vertical(40, 100, 0));
    EXPECT_EQ(p.rcButton1, (RECT{100, 0, 116, 16}));
    EXPECT_EQ(p.rcButton2, (RECT{100, 24, 116, 40}));
    EXPECT_FALSE(ScrollBarHasThumb(p.rcThumb));
    p = ScrollBarLayoutParts(Vertical(20, 100, 0));
    EXPECT_EQ(p.rcButton1, (RECT{100, 0, 116, 10}));
    EXPECT_EQ(p.rcButton2, (RECT{100, 10, 116, 20}));
}

TEST(ScrollBarGeometry, HiddenButtonLetsTheTrackStartAtTheEdge) {
    TScrollBarMetrics m = Vertical(200, 0, 0);
    m.bShowButton1 = false;
    TScrollBarParts p = ScrollBarLayoutParts(m);
    EXPECT_EQ(p.rcButton1, (RECT{100, 0, 100, 0}));
    EXPECT_EQ(p.rcThumb, (RECT{100, 0, 116, 184}));
    m.bShowButton2 = false;
    p = ScrollBarLayoutParts(m);
    EXPECT_EQ(p.rcButton2, (RECT{100, 200, 100, 200}));
    EXPECT_EQ(p.rcThumb, (RECT{100, 0, 116, 200}));
}

TEST(ScrollBarGeometry, HorizontalIsTheTransposedVertical) {
    TScrollBarMetrics m;
    m.bHorizontal = true;
    m.rcItem = {0, 50, 200, 66};
    m.nRange = 100;
    m.nPos = 100;
    TScrollBarParts p = ScrollBarLayoutParts(m);
    EXPECT_EQ(p.rcButton1, (RECT{0, 50, 16, 66}));
    EXPECT_EQ(p.rcButton2, (RECT{184, 50, 200, 66}));
    EXPECT_EQ(p.rcThumb, (RECT{72, 50, 184, 66}));
    m.rcItem = {0, 0, 40, 16};
    EXPECT_FALSE(ScrollBarHasThumb(ScrollBarLayoutParts(m).rcThumb));
}

TEST(ScrollBarGeometry, HitTestFindsPartsAndTrackSides) {
    TScrollBarParts p = ScrollBarLayoutParts(Vertical(200, 100, 50));  // thumb 44..156
    EXPECT_EQ(ScrollBarHitTest(p, {105, 5}, false), EScrollBarHit::Button1);
    EXPECT_EQ(ScrollBarHitTest(p, {105, 195}, false), EScrollBarHit::Button2);
    EXPECT_EQ(ScrollBarHitTest(p, {105, 100}, false), EScrollBarHit::Thumb);
    EXPECT_EQ(ScrollBarHitTest(p, {105, 30}, false), EScrollBarHit::BeforeThumb);
    EXPECT_EQ(ScrollBarHitTest(p, {105, 170}, false), EScrollBarHit::AfterThumb);
    TScrollBarParts shortBar = ScrollBarLayoutParts(Vertical(44, 100, 0));
    EXPECT_EQ(ScrollBarHitTest(shortBar, {105, 22}, false), EScrollBarHit::None);
}

TEST(ScrollBarGeometry, DragOffsetScalesByTheFreeLength) {
    int offset = 7;
    // Free length 200 - 112 - 32 = 56.
    ASSERT_TRUE(ScrollBarDragOffset(28, 100, 200, 112, 16, offset));
    EXPECT_EQ(offset, 50);
    ASSERT_TRUE(ScrollBarDragOffset(-28, 100, 200, 112, 16, offset));
    EXPECT_EQ(offset, -50);
    // 20000 * 2e9 overflows 32 bits.
    ASSERT_TRUE(ScrollBarDragOffset(20000, 2000000000, 30000, 16, 16, offset));
    EXPECT_EQ(offset, 1335470085);
}

TEST(ScrollBarGeometry, DragWithoutFreeLengthLeavesTheOffset) {
    int offset = 7;
    EXPECT_FALSE(ScrollBarDragOffset(10, 100, 200, 168, 16, offset));
    // Hidden buttons: the thumb fills more than bar - 2 buttons.
    EXPECT_FALSE(ScrollBarDragOffset(10, 100, 100, 90, 16, offset));
    EXPECT_EQ(offset, 7);
}

TEST(ScrollBarGeometry, RailIsAButtonSquareCentredOnTheThumb) {
    EXPECT_EQ(ScrollBarRailRect({0, 16, 16, 128}, false, 16), (RECT{0, 64, 16, 80}));
    EXPECT_EQ(ScrollBarRailRect({16, 0, 128, 16}, true, 16), (RECT{64, 0, 80, 16}));
    EXPECT_EQ(ScrollBarRailRect({0, 10, 16, 21}, false, 7), (RECT{0, 12, 16, 19}));
}
