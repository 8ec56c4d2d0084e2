#include <gtest/gtest.h>
#include "SkinUI/Core/MarkupBounds.h"
#include "SkinUI/Core/PaintManagerUI.h"

using namespace SkinUI;

TEST(PaintManager, FontSizesBeyondAnyRealSkinAreClampedAndFoundAgain)
{
    CPaintManagerUI manager;
    const int max = CMarkupBounds::kMaxFontSize;
    HFONT huge = manager.AddFont("Arial", 65535, false, false, false);
    ASSERT_NE(huge, nullptr);
    EXPECT_LE(manager.GetFontInfo(huge)->tm.tmHeight, max + max / 4);
    EXPECT_EQ(manager.GetFont("Arial", 65535, false, false, false), huge);
    manager.SetDefaultFont("Arial", 2147483647, false, false, false);
    EXPECT_EQ(manager.GetDefaultFontInfo()->iSize, max);
}

TEST(PaintManager, TheResourceParentLendsWhatIsMissingAndMakesNoCycle)
{
    CPaintManagerUI owner;
    CPaintManagerUI popup;
    HFONT ownerFont = owner.AddFont("Arial", 15, false, false, true);
    owner.AddDefaultAttributeList("VerticalLayout", "inset=\"2,2,2,2\"");
    ASSERT_TRUE(popup.SetResourceParent(&owner));
    EXPECT_EQ(popup.GetFont(0), ownerFont);
    EXPECT_STREQ(popup.GetDefaultAttributeList("VerticalLayout"), "inset=\"2,2,2,2\"");
    EXPECT_FALSE(owner.SetResourceParent(&popup));
    EXPECT_FALSE(popup.SetResourceParent(&popup));
}
