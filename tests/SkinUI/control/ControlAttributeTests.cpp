#include <gtest/gtest.h>
#include <memory>
#include "SkinUI/Control/IListItemUI.h"
#include "SkinUI/Core/ControlFactory.h"
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Core/MarkupBounds.h"

using namespace SkinUI;

namespace {

void ExpectFixed(const CControlUI& c, SIZE xy, int cx, int cy)
{
    EXPECT_EQ(c.GetFixedXY().cx, xy.cx);
    EXPECT_EQ(c.GetFixedXY().cy, xy.cy);
    EXPECT_EQ(c.GetFixedWidth(), cx);
    EXPECT_EQ(c.GetFixedHeight(), cy);
}

} // namespace

TEST(ControlAttribute, PosAnchorsNegativeEdgesAndRefusesNegativeSizes)
{
    CControlUI c;
    c.SetAttribute("pos", "-100,10,-10,30");
    ExpectFixed(c, SIZE{-10, 10}, 90, 20);
    // right and bottom read as 0: negative sizes are refused, the earlier ones stay.
    c.SetAttribute("pos", "10,20");
    ExpectFixed(c, SIZE{10, 20}, 90, 20);
    // Extreme numbers do not overflow.
    c.SetAttribute("pos", "-2147483648,0,2147483647,10");
    EXPECT_GE(c.GetFixedWidth(), 0);
    EXPECT_EQ(c.GetFixedHeight(), 10);
}

TEST(ControlAttribute, NegativeSizesAreIgnoredNegativePositionsAndInvertedRectanglesAccepted)
{
    CControlUI c;
    c.SetFixedWidth(50);
    c.SetMinWidth(5);
    c.SetMaxHeight(70);
    c.SetFixedWidth(-1);
    c.SetFixedHeight(-1);
    c.SetMinWidth(-1);
    c.SetMaxHeight(-1);
    c.SetFixedXY(SIZE{-20, -30});
    ExpectFixed(c, SIZE{-20, -30}, 50, 0);
    EXPECT_EQ(c.GetMinWidth(), 5);
    EXPECT_EQ(c.GetMaxHeight(), 70);
    c.SetPos(RECT{50, 40, 10, 5});
    EXPECT_EQ(c.GetPos().right, 50);
    EXPECT_EQ(c.GetPos().bottom, 40);
}

TEST(ControlAttribute, LengthsBeyondAnyRealSkinAreClamped)
{
    const int max = CMarkupBounds::kMaxLength;
    CControlUI c;
    c.SetAttribute("pos", "-2147483648,-2147483648,-99999999,2147483647");
    ExpectFixed(c, SIZE{-max, max}, max, max);
    for (const char* name : {"minwidth", "maxwidth", "minheight", "maxheight"}) c.SetAttribute(name, "2147483647");
    EXPECT_EQ(c.GetMinWidth(), max);
    EXPECT_EQ(c.GetMaxHeight(), max);
    c.SetAttribute("padding", "-2147483648,2147483647,40000,5");
    EXPECT_EQ(c.GetPadding().left, -max);
    EXPECT_EQ(c.GetPadding().top, max);
    EXPECT_EQ(c.GetPadding().bottom, 5);
    c.SetAttribute("bordersize", "2147483647");
    c.SetAttribute("borderround", "2147483647,40000");
    EXPECT_EQ(c.GetBorderSize(), max);
    EXPECT_EQ(c.GetBorderRound().cx, max);
    EXPECT_EQ(c.GetBorderRound().cy, max);
}

TEST(ControlAttribute, SingleBorderSizeClearsSidesFourLeaveItUnchanged)
{
    CControlUI c;
    c.SetAttribute("bordersize", "1,2,3,4");
    EXPECT_EQ(c.GetBorderSize(), 0);
    EXPECT_EQ(c.GetSideBorderSize().bottom, 4);
    c.SetAttribute("bordersize", "5");
    EXPECT_EQ(c.GetBorderSize(), 5);
    EXPECT_EQ(c.GetSideBorderSize().left, 0);
    EXPECT_EQ(c.GetSideBorderSize().bottom, 0);
    c.SetAttribute("bordersize", "0,7,0,0");
    EXPECT_EQ(c.GetBorderSize(), 5);
    EXPECT_EQ(c.GetSideBorderSize().top, 7);
}

TEST(ControlAttribute, TooltipMarkerBecomesLineBreak)
{
    CControlUI c;
    c.SetAttribute("tooltip", "first<n>second<n>");
    EXPECT_STREQ(c.GetToolTip(), "first\r\nsecond\r\n");
}

TEST(ControlAttribute, AttributeListAppliesPairsUntilAFaultAndIgnoresUnknownNames)
{
    CControlUI c;
    c.ApplyAttributeList("name=\"x\" width=\"30\" height=40 text=\"never\"");
    EXPECT_STREQ(c.GetName(), "x");
    EXPECT_EQ(c.GetFixedWidth(), 30);
    EXPECT_EQ(c.GetFixedHeight(), 0);
    EXPECT_STREQ(c.GetText(), "");
    // A second space makes the next name " height", which is unknown; so is "Visible".
    CControlUI d;
    d.ApplyAttributeList("visible=\"false\"  height=\"40\" Visible=\"true\"");
    EXPECT_EQ(d.GetFixedHeight(), 0);
    EXPECT_FALSE(d.IsVisible());
}

// A null name names no interface and no attribute, and a null value is an empty one, for every class.
TEST(ControlAttribute, NullNamesAndValuesReachNoClassUnchecked)
{
    const char* const classes[] = {"Control",
                                   "Container",
                                   "VerticalLayout",
                                   "HorizontalLayout",
                                   "TabLayout",
                                   "Label",
                                   "Text",
                                   "Button",
                                   "Option",
                                   "CheckBox",
                                   "Edit",
                                   "RichEdit",
                                   "Combo",
                                   "ComboBox",
                                   "ScrollBar",
                                   "Progress",
                                   "List",
                                   "ListHeader",
                                   "ListHeaderItem",
                                   "ListTextElement",
                                   "ListLabelElement",
                                   "ListContainerElement",
                                   "TreeView"};
    // Names that classes handle themselves before their base sees them.
    const char* const names[] = {"name",      "text",        "selected",    "group",   "normalimage", "arrowimage",
                                 "itemalign", "itembkimage", "textpadding", "dropbox", "readonly",    "hor",
                                 "sepheight", "sepwidth",    "selectedid",  "inset",   "bkimage"};
    for (const char* name : classes) {
        std::unique_ptr<CControlUI> c(CControlFactory::Create(name));
        ASSERT_NE(c, nullptr) << name;
        EXPECT_EQ(c->GetInterface(nullptr), nullptr) << name;
        EXPECT_NE(c->GetInterface("Control"), nullptr) << name;
        c->SetAttribute("name", "kept");
        c->SetAttribute(nullptr, "lost");
        EXPECT_STREQ(c->GetName(), "kept") << name;
        for (const char* attribute : names) c->SetAttribute(attribute, nullptr);
        EXPECT_STREQ(c->GetName(), "") << name;
        EXPECT_STREQ(c->GetText(), "") << name;
        auto* item = static_cast<IListItemUI*>(c->GetInterface("ListItem"));
        EXPECT_TRUE(item == nullptr || !item->IsSelected()) << name;
    }
}
