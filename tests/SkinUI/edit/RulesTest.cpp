#include <gtest/gtest.h>
#include "SkinUI/Control/ComboArrowImage.h"
#include "SkinUI/Control/EditRules.h"
#include "tests/support/UIRectPrint.h"

using namespace SkinUI;

TEST(EditRulesGbk, PasswordCountsADoubleByteCharacterOnce)
{
    EXPECT_STREQ(CEditRules::MaskPassword("中文a", '*').GetData(), "***");
    // A lead byte cut off at the end still shows as one character.
    EXPECT_STREQ(CEditRules::MaskPassword("a\xD6", '*').GetData(), "**");
    EXPECT_STREQ(CEditRules::KeepDigits("1中2").GetData(), "12");
}

TEST(ComboArrowImage, ModifierPicksTheStateCellAtTheRightEndOrNothing)
{
    CUIString modify;
    int cx = 0;
    ASSERT_TRUE(CComboArrowImage::BuildModifier("res='12' source='0,0,100,20' corner='1,1,1,1'", 2, CUISize{120, 24}, 1,
                                                modify, cx));
    EXPECT_EQ(cx, 20);
    EXPECT_STREQ(modify.GetData(), "res='12' source='40,0,60,20' dest='99,1,119,23' corner='1,1,1,1'");
    for (const char* bad : {"res='1'", "source='1,2,3", "source='1,2'", static_cast<const char*>(nullptr)}) {
        EXPECT_FALSE(CComboArrowImage::BuildModifier(bad, 0, CUISize{10, 10}, 0, modify, cx)) << (bad ? bad : "null");
    }
    EXPECT_EQ(cx, 20);
    // Numbers past the int range are its ends; nothing overflows on the way.
    ASSERT_TRUE(CComboArrowImage::BuildModifier("source='-99999999999999999999,0,99999999999999999999,20'", 4,
                                                CUISize{120, 24}, 0, modify, cx));
    EXPECT_EQ(cx, 858993459);
    EXPECT_STREQ(modify.GetData(), "source='1288490188,0,2147483647,20' dest='-858993339,0,120,24'");
}
