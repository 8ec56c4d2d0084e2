#include <gtest/gtest.h>
#include "SkinUI/Core/CaptionHitTest.h"
#include "SkinUI/Core/WindowGeometry.h"
#include "tests/support/UIRectPrint.h"

using namespace SkinUI;

TEST(WindowCentre, CentresOnTheFrameWithIntegerHalvesInsideTheWorkArea)
{
    const CUIRect screen = {0, 0, 1280, 984};
    struct TCase {
        CUIRect window, frame, work;
        CUIPoint expected;
    };
    const TCase cases[] = {
        {{0, 0, 201, 101}, {100, 100, 501, 401}, screen, {300 - 100, 250 - 50}},
        {{0, 0, 200, 100}, {1200, 950, 1400, 1100}, screen, {1280 - 200, 984 - 100}},
        // Larger than the work area: the top-left corner stays visible.
        {{0, 0, 500, 400}, {10, 20, 310, 220}, {10, 20, 310, 220}, {10, 20}},
    };
    for (const TCase& c : cases) {
        const CUIPoint pt = WindowCentrePosition(c.window, c.frame, c.work);
        EXPECT_EQ(c.expected.x, pt.x) << c.frame.left;
        EXPECT_EQ(c.expected.y, pt.y) << c.frame.left;
    }
}

TEST(CaptionBand, InsetsAreFromTheClientEdgesAndInputControlsKeepTheMouse)
{
    const CUIRect client = {0, 0, 300, 200};
    const CUIRect caption = {10, 0, 20, 36};
    EXPECT_TRUE(CaptionContains(client, caption, {279, 35}));
    for (CUIPoint pt : {CUIPoint{9, 10}, CUIPoint{280, 10}, CUIPoint{100, 36}}) {
        EXPECT_FALSE(CaptionContains(client, caption, pt)) << pt.x << "," << pt.y;
    }
    EXPECT_TRUE(CaptionDragsOver("ButtonUIx", 0));
    EXPECT_FALSE(CaptionDragsOver("EditUI", 3));
    EXPECT_FALSE(CaptionDragsOver(nullptr, 0));
}
