#include <gtest/gtest.h>
#include "SkinUI/Core/DlgWindowAttributes.h"
#include "SkinUI/Core/MarkupBounds.h"
#include "SkinUI/Core/PaintManagerUI.h"

using namespace SkinUI;

TEST(WindowAttributes, BadValuesAndNamesKeepTheSetting)
{
    CPaintManagerUI pm;
    ASSERT_TRUE(CDlgWindowAttributes::Apply(pm, "mininfo", "100,50"));
    ASSERT_TRUE(CDlgWindowAttributes::Apply(pm, "size", "300,200"));
    ASSERT_TRUE(CDlgWindowAttributes::Apply(pm, "alpha", "128"));
    const char* bad[][2] = {{"mininfo", "-1,50"},     {"maxinfo", "10,-5"}, {"size", "wide,tall"}, {"size", "300"},
                            {"roundcorner", "-3,-3"}, {"caption", "0,0,0"}, {"alpha", "half"},     {"Size", "10,10"},
                            {"title", "x"},           {nullptr, "1"},       {"size", nullptr}};
    for (const auto& entry : bad) {
        EXPECT_FALSE(CDlgWindowAttributes::Apply(pm, entry[0], entry[1])) << (entry[0] ? entry[0] : "");
    }
    EXPECT_EQ(pm.GetMinInfo().cx * 1000 + pm.GetMinInfo().cy, 100050);
    EXPECT_EQ(pm.GetMaxInfo().cx, 0);
    EXPECT_EQ(pm.GetInitSize().cx * 1000 + pm.GetInitSize().cy, 300200);
    EXPECT_EQ(pm.GetRoundCorner().cx, 0);
    EXPECT_EQ(pm.GetCaptionRect().bottom, 0);
    // Text that is no number must not turn the window invisible.
    EXPECT_EQ(pm.GetTransparent(), 128);
    EXPECT_TRUE(CDlgWindowAttributes::Apply(pm, "alpha", "300"));
    EXPECT_EQ(pm.GetTransparent(), 255);
    EXPECT_TRUE(CDlgWindowAttributes::Apply(pm, "showdirty", "TRUE"));
    EXPECT_FALSE(pm.IsShowUpdateRect());
}

TEST(WindowAttributes, WindowSizesAndCornersBeyondAnyRealSkinAreClamped)
{
    CPaintManagerUI pm;
    const int max = CMarkupBounds::kMaxWindowExtent;
    for (const char* name : {"size", "mininfo", "maxinfo", "roundcorner"}) {
        EXPECT_TRUE(CDlgWindowAttributes::Apply(pm, name, "2147483648,99999")) << name;
    }
    EXPECT_EQ(pm.GetInitSize().cx, max);
    EXPECT_EQ(pm.GetMinInfo().cy, max);
    EXPECT_EQ(pm.GetMaxInfo().cx, max);
    EXPECT_EQ(pm.GetRoundCorner().cy, max);
    EXPECT_TRUE(CDlgWindowAttributes::Apply(pm, "size", "640,480"));
    EXPECT_EQ(pm.GetInitSize().cx * 1000 + pm.GetInitSize().cy, 640480);
}
