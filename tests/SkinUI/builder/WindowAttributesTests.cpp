#include <gtest/gtest.h>
#include "SkinUI/Core/DlgWindowAttributes.h"
#include "SkinUI/Core/PaintManagerUI.h"

using namespace SkinUI;

TEST(WindowAttributes, ReadNumbersNeedsEveryNumber)
{
    int v[4] = {7, 7, 7, 7};
    EXPECT_TRUE(CDlgWindowAttributes::ReadNumbers("1,-2, 3,+4", v, 4));
    EXPECT_EQ(v[0], 1);
    EXPECT_EQ(v[1], -2);
    EXPECT_EQ(v[2], 3);
    EXPECT_EQ(v[3], 4);
    // Any single separator will do, and extra numbers are ignored.
    EXPECT_TRUE(CDlgWindowAttributes::ReadNumbers("10x20,30", v, 2));
    EXPECT_EQ(v[0], 10);
    EXPECT_EQ(v[1], 20);
    EXPECT_FALSE(CDlgWindowAttributes::ReadNumbers("10,", v, 2));
    EXPECT_FALSE(CDlgWindowAttributes::ReadNumbers("10", v, 2));
    EXPECT_FALSE(CDlgWindowAttributes::ReadNumbers("10,,20", v, 2));
    EXPECT_FALSE(CDlgWindowAttributes::ReadNumbers("", v, 1));
    EXPECT_FALSE(CDlgWindowAttributes::ReadNumbers("abc", v, 1));
    EXPECT_FALSE(CDlgWindowAttributes::ReadNumbers("-", v, 1));
}

TEST(WindowAttributes, ReadColorNeedsAHexDigit)
{
    unsigned long color = 5;
    EXPECT_TRUE(CDlgWindowAttributes::ReadColor("#FF102030", color));
    EXPECT_EQ(color, 0xFF102030ul);
    EXPECT_TRUE(CDlgWindowAttributes::ReadColor("ff00ff00", color));
    EXPECT_EQ(color, 0xFF00FF00ul);
    EXPECT_FALSE(CDlgWindowAttributes::ReadColor("#", color));
    EXPECT_FALSE(CDlgWindowAttributes::ReadColor("", color));
    EXPECT_FALSE(CDlgWindowAttributes::ReadColor("red", color));
    EXPECT_FALSE(CDlgWindowAttributes::ReadColor(" #FF000000", color));
    EXPECT_EQ(color, 0xFF00FF00ul);
}

TEST(WindowAttributes, SizesAndRectanglesReachTheManager)
{
    CPaintManagerUI pm;
    EXPECT_TRUE(CDlgWindowAttributes::Apply(pm, "size", "640,480"));
    EXPECT_TRUE(CDlgWindowAttributes::Apply(pm, "roundcorner", "4,5"));
    EXPECT_TRUE(CDlgWindowAttributes::Apply(pm, "mininfo", "100,50"));
    EXPECT_TRUE(CDlgWindowAttributes::Apply(pm, "maxinfo", "800,600"));
    EXPECT_TRUE(CDlgWindowAttributes::Apply(pm, "caption", "0,0,-1,30"));
    EXPECT_TRUE(CDlgWindowAttributes::Apply(pm, "sizebox", "4,4,6,6"));
    EXPECT_EQ(pm.GetInitSize().cx, 640);
    EXPECT_EQ(pm.GetInitSize().cy, 480);
    EXPECT_EQ(pm.GetRoundCorner().cx, 4);
    EXPECT_EQ(pm.GetRoundCorner().cy, 5);
    EXPECT_EQ(pm.GetMinInfo().cx, 100);
    EXPECT_EQ(pm.GetMinInfo().cy, 50);
    EXPECT_EQ(pm.GetMaxInfo().cx, 800);
    EXPECT_EQ(pm.GetMaxInfo().cy, 600);
    EXPECT_EQ(pm.GetCaptionRect().right, -1);
    EXPECT_EQ(pm.GetCaptionRect().bottom, 30);
    EXPECT_EQ(pm.GetSizeBox().left, 4);
    EXPECT_EQ(pm.GetSizeBox().bottom, 6);
}

TEST(WindowAttributes, BadOrNegativeExtentsKeepTheSetting)
{
    CPaintManagerUI pm;
    ASSERT_TRUE(CDlgWindowAttributes::Apply(pm, "mininfo", "100,50"));
    ASSERT_TRUE(CDlgWindowAttributes::Apply(pm, "size", "300,200"));
    EXPECT_FALSE(CDlgWindowAttributes::Apply(pm, "mininfo", "-1,50"));
    EXPECT_FALSE(CDlgWindowAttributes::Apply(pm, "maxinfo", "10,-5"));
    EXPECT_FALSE(CDlgWindowAttributes::Apply(pm, "size", "wide,tall"));
    EXPECT_FALSE(CDlgWindowAttributes::Apply(pm, "size", "300"));
    EXPECT_FALSE(CDlgWindowAttributes::Apply(pm, "roundcorner", "-3,-3"));
    EXPECT_FALSE(CDlgWindowAttributes::Apply(pm, "caption", "0,0,0"));
    EXPECT_EQ(pm.GetMinInfo().cx, 100);
    EXPECT_EQ(pm.GetMinInfo().cy, 50);
    EXPECT_EQ(pm.GetMaxInfo().cx, 0);
    EXPECT_EQ(pm.GetInitSize().cx, 300);
    EXPECT_EQ(pm.GetInitSize().cy, 200);
    EXPECT_EQ(pm.GetRoundCorner().cx, 0);
    EXPECT_EQ(pm.GetCaptionRect().bottom, 0);
}

TEST(WindowAttributes, FlagsAndTransparency)
{
    CPaintManagerUI pm;
    EXPECT_TRUE(CDlgWindowAttributes::Apply(pm, "showdirty", "true"));
    EXPECT_TRUE(CDlgWindowAttributes::Apply(pm, "bktrans", "true"));
    EXPECT_TRUE(pm.IsShowUpdateRect());
    EXPECT_TRUE(pm.IsBackgroundTransparent());
    EXPECT_TRUE(CDlgWindowAttributes::Apply(pm, "showdirty", "TRUE"));
    EXPECT_FALSE(pm.IsShowUpdateRect());
    EXPECT_TRUE(CDlgWindowAttributes::Apply(pm, "alpha", "128"));
    EXPECT_EQ(pm.GetTransparent(), 128);
    // Text that is no number must not turn the window invisible.
    EXPECT_FALSE(CDlgWindowAttributes::Apply(pm, "alpha", "half"));
    EXPECT_EQ(pm.GetTransparent(), 128);
    EXPECT_TRUE(CDlgWindowAttributes::Apply(pm, "alpha", "300"));
    EXPECT_EQ(pm.GetTransparent(), 255);
}

TEST(WindowAttributes, DefaultColours)
{
    CPaintManagerUI pm;
    EXPECT_TRUE(CDlgWindowAttributes::Apply(pm, "disabledfontcolor", "#FF010101"));
    EXPECT_TRUE(CDlgWindowAttributes::Apply(pm, "defaultfontcolor", "FF020202"));
    EXPECT_TRUE(CDlgWindowAttributes::Apply(pm, "linkfontcolor", "#FF030303"));
    EXPECT_TRUE(CDlgWindowAttributes::Apply(pm, "linkhoverfontcolor", "#FF040404"));
    EXPECT_TRUE(CDlgWindowAttributes::Apply(pm, "selectedcolor", "#FF050505"));
    EXPECT_EQ(pm.GetDefaultDisabledColor(), 0xFF010101u);
    EXPECT_EQ(pm.GetDefaultFontColor(), 0xFF020202u);
    EXPECT_EQ(pm.GetDefaultLinkFontColor(), 0xFF030303u);
    EXPECT_EQ(pm.GetDefaultLinkHoverFontColor(), 0xFF040404u);
    EXPECT_EQ(pm.GetDefaultSelectedBkColor(), 0xFF050505u);
    EXPECT_FALSE(CDlgWindowAttributes::Apply(pm, "defaultfontcolor", "none"));
    EXPECT_EQ(pm.GetDefaultFontColor(), 0xFF020202u);
}

TEST(WindowAttributes, UnknownOrMiscasedNamesAreIgnored)
{
    CPaintManagerUI pm;
    EXPECT_FALSE(CDlgWindowAttributes::Apply(pm, "Size", "10,10"));
    EXPECT_FALSE(CDlgWindowAttributes::Apply(pm, "title", "x"));
    EXPECT_FALSE(CDlgWindowAttributes::Apply(pm, nullptr, "1"));
    EXPECT_FALSE(CDlgWindowAttributes::Apply(pm, "size", nullptr));
    EXPECT_EQ(pm.GetInitSize().cx, 0);
}
