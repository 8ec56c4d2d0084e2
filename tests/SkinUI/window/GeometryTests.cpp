#include <gtest/gtest.h>
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
