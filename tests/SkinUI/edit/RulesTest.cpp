#include <gtest/gtest.h>
#include "SkinUI/Control/ComboArrowImage.h"
#include "SkinUI/Control/ComboPopupGeometry.h"
#include "SkinUI/Control/EditRules.h"
#include "tests/support/UIRectPrint.h"

using namespace SkinUI;

TEST(ComboPopupGeometry, OpensBelowWhenItFitsAndAboveNearTheBottom)
{
    const auto place = [](CUIRect combo, CUISize drop, int cy) {
        return CComboPopupGeometry::Place(combo, drop, cy, CUIRect{0, 0, 1280, 1000});
    };
    // Exactly reaching the bottom still fits.
    EXPECT_EQ(place({10, 900, 110, 936}, {0, 150}, 60), (CUIRect{10, 936, 110, 1000}));
    EXPECT_EQ(place({10, 901, 110, 937}, {0, 150}, 60), (CUIRect{10, 837, 110, 901}));
    EXPECT_EQ(place({10, 960, 110, 984}, {200, 150}, 400), (CUIRect{10, 810, 210, 960}));
}

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
