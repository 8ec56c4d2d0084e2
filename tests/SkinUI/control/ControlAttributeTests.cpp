#include <gtest/gtest.h>
#include "SkinUI/Core/ControlUI.h"

using namespace SkinUI;

TEST(ControlAttribute, PosWithNegativeEdgesAnchorsToTheFarEdge)
{
    CControlUI c;
    c.SetAttribute("pos", "-100,10,-10,30");
    EXPECT_EQ(c.GetFixedXY().cx, -10);
    EXPECT_EQ(c.GetFixedXY().cy, 10);
    EXPECT_EQ(c.GetFixedWidth(), 90);
    EXPECT_EQ(c.GetFixedHeight(), 20);
}

TEST(ControlAttribute, PosWithMissingNumbersKeepsSaneSizes)
{
    CControlUI c;
    c.SetAttribute("width", "40");
    c.SetAttribute("height", "15");
    // right and bottom read as 0: negative sizes are refused, the earlier ones stay.
    c.SetAttribute("pos", "10,20");
    EXPECT_EQ(c.GetFixedXY().cx, 10);
    EXPECT_EQ(c.GetFixedXY().cy, 20);
    EXPECT_EQ(c.GetFixedWidth(), 40);
    EXPECT_EQ(c.GetFixedHeight(), 15);
    // Extreme numbers do not overflow.
    c.SetAttribute("pos", "-2147483648,0,2147483647,10");
    EXPECT_GE(c.GetFixedWidth(), 0);
    EXPECT_EQ(c.GetFixedHeight(), 10);
}

TEST(ControlAttribute, RelativePos)
{
    CControlUI c;
    EXPECT_FALSE(c.IsRelativePos());
    c.SetAttribute("relativepos", "50,25,100,-10");
    const TRelativePosUI r = c.GetRelativePos();
    EXPECT_TRUE(r.bRelative);
    EXPECT_EQ(r.nMoveXPercent, 50);
    EXPECT_EQ(r.nMoveYPercent, 25);
    EXPECT_EQ(r.nZoomXPercent, 100);
    EXPECT_EQ(r.nZoomYPercent, -10);
    c.SetRelativeParentSize(SIZE{300, 200});
    EXPECT_EQ(c.GetRelativePos().szParent.cx, 300);
    EXPECT_EQ(c.GetRelativePos().szParent.cy, 200);
}

TEST(ControlAttribute, BackgroundColoursSkipLeadingBlanksBorderColoursDoNot)
{
    CControlUI c;
    c.SetAttribute("bkcolor", "  #FF102030");
    c.SetAttribute("bkcolor2", "\t#FF405060");
    c.SetAttribute("bkcolor3", "FF708090");
    EXPECT_EQ(c.GetBkColor(), 0xFF102030u);
    EXPECT_EQ(c.GetBkColor2(), 0xFF405060u);
    EXPECT_EQ(c.GetBkColor3(), 0xFF708090u);
    c.SetAttribute("bkcolor1", "#80FFFFFF");
    EXPECT_EQ(c.GetBkColor(), 0x80FFFFFFu);
    c.SetAttribute("bordercolor", " #FF00FF00");
    EXPECT_EQ(c.GetBorderColor(), 0u);
    c.SetAttribute("bordercolor", "#FF00FF00");
    c.SetAttribute("focusbordercolor", "FF0000FF");
    EXPECT_EQ(c.GetBorderColor(), 0xFF00FF00u);
    EXPECT_EQ(c.GetFocusBorderColor(), 0xFF0000FFu);
}

TEST(ControlAttribute, SingleBorderSizeClearsSidesFourLeaveItUnchanged)
{
    CControlUI c;
    c.SetAttribute("bordersize", "1,2,3,4");
    EXPECT_EQ(c.GetBorderSize(), 0);
    EXPECT_EQ(c.GetSideBorderSize().left, 1);
    EXPECT_EQ(c.GetSideBorderSize().bottom, 4);
    c.SetAttribute("bordersize", "5");
    EXPECT_EQ(c.GetBorderSize(), 5);
    EXPECT_EQ(c.GetSideBorderSize().left, 0);
    EXPECT_EQ(c.GetSideBorderSize().bottom, 0);
    c.SetAttribute("bordersize", "0,7,0,0");
    EXPECT_EQ(c.GetBorderSize(), 5);
    EXPECT_EQ(c.GetSideBorderSize().top, 7);
}

TEST(ControlAttribute, VisibleAttributeAndUnknownNames)
{
    CControlUI c;
    c.SetAttribute("visible", "false");
    EXPECT_FALSE(c.IsVisible());
    c.SetAttribute("Visible", "true");
    c.SetAttribute("nonsense", "true");
    EXPECT_FALSE(c.IsVisible());
    c.SetAttribute("visible", "true");
    EXPECT_TRUE(c.IsVisible());
}

TEST(ControlAttribute, TooltipMarkerBecomesLineBreak)
{
    CControlUI c;
    c.SetAttribute("tooltip", "first<n>second<n>");
    EXPECT_STREQ(c.GetToolTip(), "first\r\nsecond\r\n");
    EXPECT_EQ(c.GetToolTipWidth(), 300);
}

TEST(ControlAttribute, VirtualWindowNameIsInherited)
{
    CControlUI parent;
    CControlUI child;
    child.SetManager(nullptr, &parent, false);
    EXPECT_STREQ(child.GetVirtualWnd(), "");
    parent.SetAttribute("virtualwnd", "page1");
    EXPECT_STREQ(child.GetVirtualWnd(), "page1");
    child.SetAttribute("virtualwnd", "own");
    EXPECT_STREQ(child.GetVirtualWnd(), "own");
}

TEST(ControlAttribute, AttributeListAppliesPairsUntilAFault)
{
    CControlUI c;
    c.ApplyAttributeList("name=\"x\" width=\"30\" height=40 text=\"never\"");
    EXPECT_STREQ(c.GetName(), "x");
    EXPECT_EQ(c.GetFixedWidth(), 30);
    EXPECT_EQ(c.GetFixedHeight(), 0);
    EXPECT_STREQ(c.GetText(), "");
    // A second space makes the next name " height", which is unknown.
    CControlUI d;
    d.ApplyAttributeList("width=\"30\"  height=\"40\"");
    EXPECT_EQ(d.GetFixedWidth(), 30);
    EXPECT_EQ(d.GetFixedHeight(), 0);
}

TEST(ControlAttribute, AttributeListValueMayHoldSpacesAndSingleQuotes)
{
    CControlUI c;
    c.ApplyAttributeList("bkimage=\"res='175' restype='png'\" tooltip=\"a b\"");
    EXPECT_STREQ(c.GetBkImage(), "res='175' restype='png'");
    EXPECT_STREQ(c.GetToolTip(), "a b");
}
