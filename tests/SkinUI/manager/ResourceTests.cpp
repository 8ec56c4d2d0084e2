#include <gtest/gtest.h>
#include <string>
#include "SkinUI/Core/MarkupBounds.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "tests/SkinUI/support/TempBmp.h"
#include "tests/SkinUI/manager/ManagerFixture.h"

using namespace SkinUI;

TEST(PaintManager, ImagesLoadOnceUnderTheirNameResolvedAgainstTheResourcePath)
{
    const std::string path = WriteSolidBmp("skinui_dot.bmp", 0x102030);
    CPaintManagerUI::SetResourcePath(path.substr(0, path.size() - 14).c_str());
    CPaintManagerUI manager;
    const TImageRec* first = manager.GetImageEx("skinui_dot.bmp", nullptr, 0xFF102030);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->nX, 2);
    EXPECT_EQ(manager.GetImageEx("skinui_dot.bmp"), first);
    // A resource image needs a decimal name.
    EXPECT_EQ(manager.AddImage("abc", "png"), nullptr);
    CPaintManagerUI::SetResourcePath("");
    EXPECT_STREQ(CPaintManagerUI::GetResourcePath(), "");
}

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

TEST(PaintManager, DefaultAttributeListsKeepTheFirstAndTheResourceParentLendsWhatIsMissing)
{
    CPaintManagerUI owner;
    CPaintManagerUI popup;
    HFONT ownerFont = owner.AddFont("Arial", 15, false, false, true);
    owner.AddDefaultAttributeList("VerticalLayout", "inset=\"2,2,2,2\"");
    popup.AddDefaultAttributeList("Button", "height=\"9\"");
    popup.AddDefaultAttributeList("Button", "height=\"30\"");
    EXPECT_STREQ(popup.GetDefaultAttributeList("Button"), "height=\"9\"");
    ASSERT_TRUE(popup.SetResourceParent(&owner));
    EXPECT_EQ(popup.GetFont(0), ownerFont);
    EXPECT_STREQ(popup.GetDefaultAttributeList("VerticalLayout"), "inset=\"2,2,2,2\"");
    EXPECT_FALSE(owner.SetResourceParent(&popup));
    EXPECT_FALSE(popup.SetResourceParent(&popup));
}
