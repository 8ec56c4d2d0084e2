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

TEST(ScrollBarGeometry, ButtonsAndThumbFromSizeRangeAndPosition) {
    const RECT none = {0, 0, 0, 0};
    struct TCase {
        const char* what;
        TScrollBarMetrics metrics;
        RECT button1, button2, thumb;
    };
    auto hidden = [](TScrollBarMetrics m, bool first, bool second) {
        m.bShowButton1 = !first;
        m.bShowButton2 = !second;
        return m;
    };
    TScrollBarMetrics horizontal = Vertical(0, 100, 100);
    horizontal.bHorizontal = true;
    horizontal.rcItem = {0, 50, 200, 66};
    TScrollBarMetrics shortHorizontal = horizontal;
    shortHorizontal.rcItem = {0, 0, 40, 16};
    // Track 200 - 32 = 168; thumb 200 * 168 / 300 = 112.
    const TCase cases[] = {
        {"top", Vertical(200, 100, 0), {100, 0, 116, 16}, {100, 184, 116, 200}, {100, 16, 116, 128}},
        {"bottom", Vertical(200, 100, 100), {100, 0, 116, 16}, {100, 184, 116, 200}, {100, 72, 116, 184}},
        {"middle", Vertical(200, 100, 50), {100, 0, 116, 16}, {100, 184, 116, 200}, {100, 44, 116, 156}},
        {"thumb no shorter than a button", Vertical(100, 100000, 100000), {100, 0, 116, 16}, {100, 84, 116, 100},
         {100, 68, 116, 84}},
        {"short bar", Vertical(40, 100, 0), {100, 0, 116, 16}, {100, 24, 116, 40}, none},
        {"half buttons", Vertical(20, 100, 0), {100, 0, 116, 10}, {100, 10, 116, 20}, none},
        {"no first button", hidden(Vertical(200, 0, 0), true, false), {100, 0, 100, 0}, {100, 184, 116, 200},
         {100, 0, 116, 184}},
        {"no buttons", hidden(Vertical(200, 0, 0), true, true), {100, 0, 100, 0}, {100, 200, 100, 200},
         {100, 0, 116, 200}},
        {"horizontal", horizontal, {0, 50, 16, 66}, {184, 50, 200, 66}, {72, 50, 184, 66}},
        {"short horizontal", shortHorizontal, {0, 0, 16, 16}, {24, 0, 40, 16}, none},
    };
    for (const TCase& c : cases) {
        const TScrollBarParts p = ScrollBarLayoutParts(c.metrics);
        EXPECT_EQ(p.rcButton1, c.button1) << c.what;
        EXPECT_EQ(p.rcButton2, c.button2) << c.what;
        if (c.thumb == none) {
            EXPECT_FALSE(ScrollBarHasThumb(p.rcThumb)) << c.what;
        } else {
            EXPECT_EQ(p.rcThumb, c.thumb) << c.what;
        }
    }
}

TEST(ScrollBarGeometry, HugeRangeDoesNotOverflow) {
    TScrollBarParts p = ScrollBarLayoutParts(Vertical(30000, 2000000000, 1999999999));
    EXPECT_GE(p.rcThumb.top, 16);
    EXPECT_LE(p.rcThumb.bottom, 30000 - 16);
    EXPECT_GT(p.rcThumb.top, 29000);
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
