#include <gtest/gtest.h>
#include "SkinUI/Core/ControlUI.h"

using namespace SkinUI;

TEST(ControlSize, NegativeSizesAreIgnoredNegativePositionsAccepted)
{
    CControlUI c;
    c.SetFixedWidth(50);
    c.SetFixedHeight(60);
    c.SetMinWidth(5);
    c.SetMaxHeight(70);
    c.SetFixedWidth(-1);
    c.SetFixedHeight(-1);
    c.SetMinWidth(-1);
    c.SetMinHeight(-3);
    c.SetMaxWidth(-1);
    c.SetMaxHeight(-1);
    EXPECT_EQ(c.GetFixedWidth(), 50);
    EXPECT_EQ(c.GetFixedHeight(), 60);
    EXPECT_EQ(c.GetMinWidth(), 5);
    EXPECT_EQ(c.GetMinHeight(), 0);
    EXPECT_EQ(c.GetMaxWidth(), 9999);
    EXPECT_EQ(c.GetMaxHeight(), 70);
    c.SetFixedXY(SIZE{-20, -30});
    EXPECT_EQ(c.GetFixedXY().cx, -20);
    EXPECT_EQ(c.GetFixedXY().cy, -30);
}

TEST(ControlSize, SetPosNormalisesInvertedRectangles)
{
    CControlUI c;
    c.SetPos(RECT{50, 40, 10, 5});
    const RECT& rc = c.GetPos();
    EXPECT_EQ(rc.left, 50);
    EXPECT_EQ(rc.right, 50);
    EXPECT_EQ(rc.top, 40);
    EXPECT_EQ(rc.bottom, 40);
}
