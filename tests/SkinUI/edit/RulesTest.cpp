#include <gtest/gtest.h>
#include <windows.h>
#include "SkinUI/Control/ComboArrowImage.h"
#include "SkinUI/Control/ComboPopupGeometry.h"
#include "SkinUI/Control/EditRules.h"
#include "SkinUI/Control/ListSelection.h"
#include "SkinUI/Core/ControlUI.h"

using namespace SkinUI;

namespace {

void ExpectRect(const RECT& rc, int l, int t, int r, int b)
{
    EXPECT_EQ(rc.left, l);
    EXPECT_EQ(rc.top, t);
    EXPECT_EQ(rc.right, r);
    EXPECT_EQ(rc.bottom, b);
}

} // namespace

TEST(ListSelection, InsertAtOrBeforeTheSelectionMovesItUp)
{
    EXPECT_EQ(CListSelection::AfterInsert(2, 2), 3);
    EXPECT_EQ(CListSelection::AfterInsert(2, 0), 3);
    EXPECT_EQ(CListSelection::AfterInsert(2, 3), 2);
    EXPECT_EQ(CListSelection::AfterInsert(-1, 0), -1);
}

TEST(ListSelection, RemovalBeforeShiftsDownAndOfTheSelectionClearsIt)
{
    EXPECT_EQ(CListSelection::AfterRemove(3, 1), 2);
    EXPECT_EQ(CListSelection::AfterRemove(3, 3), -1);
    EXPECT_EQ(CListSelection::AfterRemove(3, 4), 3);
    EXPECT_EQ(CListSelection::AfterRemove(-1, 0), -1);
}

TEST(ListSelection, MovesFollowTheSelectedItem)
{
    EXPECT_EQ(CListSelection::AfterMove(1, 1, 4), 4);
    EXPECT_EQ(CListSelection::AfterMove(2, 0, 3), 1);  // the item moved past the selection
    EXPECT_EQ(CListSelection::AfterMove(2, 4, 1), 3);  // the item moved in front of it
    EXPECT_EQ(CListSelection::AfterMove(2, 3, 4), 2);
    EXPECT_EQ(CListSelection::AfterMove(-1, 0, 2), -1);
}

TEST(ComboPopupGeometry, HeightIsItemsPlusFrameUpToTheMaximum)
{
    EXPECT_EQ(CComboPopupGeometry::Height(3 * 20, 150), 64);
    EXPECT_EQ(CComboPopupGeometry::Height(10 * 20, 150), 150);
    EXPECT_EQ(CComboPopupGeometry::Height(146, 150), 150);
}

TEST(ComboPopupGeometry, WidthIsTheCombosUnlessTheDropBoxGivesOne)
{
    const RECT combo = {10, 20, 110, 44};
    EXPECT_EQ(CComboPopupGeometry::Available(combo, SIZE{0, 150}).cx, 100);
    EXPECT_EQ(CComboPopupGeometry::Available(combo, SIZE{0, 150}).cy, 150);
    EXPECT_EQ(CComboPopupGeometry::Available(combo, SIZE{160, 90}).cx, 160);
}

TEST(ComboPopupGeometry, OpensBelowWhenItFitsAndAboveNearTheBottom)
{
    const RECT work = {0, 0, 1280, 1000};
    ExpectRect(CComboPopupGeometry::Place(RECT{10, 100, 110, 124}, SIZE{0, 150}, 60, work), 10, 124, 110, 188);
    // Exactly reaching the bottom still fits.
    ExpectRect(CComboPopupGeometry::Place(RECT{10, 900, 110, 936}, SIZE{0, 150}, 60, work), 10, 936, 110, 1000);
    ExpectRect(CComboPopupGeometry::Place(RECT{10, 901, 110, 937}, SIZE{0, 150}, 60, work), 10, 837, 110, 901);
    ExpectRect(CComboPopupGeometry::Place(RECT{10, 960, 110, 984}, SIZE{200, 150}, 400, work), 10, 810, 210, 960);
}

TEST(ComboPopupGeometry, ScrollDeltaBringsTheItemIntoView)
{
    const RECT view = {0, 100, 100, 200};
    EXPECT_EQ(CComboPopupGeometry::ScrollDelta(RECT{0, 120, 100, 140}, view), 0);
    EXPECT_EQ(CComboPopupGeometry::ScrollDelta(RECT{0, 80, 100, 100}, view), -20);
    EXPECT_EQ(CComboPopupGeometry::ScrollDelta(RECT{0, 190, 100, 215}, view), 15);
    // An item ending on the view's bottom edge is inside.
    EXPECT_EQ(CComboPopupGeometry::ScrollDelta(RECT{0, 180, 100, 200}, view), 0);
    // Taller than the view: the bottom wins.
    EXPECT_EQ(CComboPopupGeometry::ScrollDelta(RECT{0, 90, 100, 210}, view), 10);
}

TEST(EditRules, PasswordShowsOneMaskPerCharacter)
{
    EXPECT_STREQ(CEditRules::MaskPassword("abc", '*').GetData(), "***");
    EXPECT_STREQ(CEditRules::MaskPassword("", '*').GetData(), "");
    EXPECT_STREQ(CEditRules::MaskPassword(nullptr, '#').GetData(), "");
}

TEST(EditRules, NumberOnlyLetsDigitsAndControlKeysThrough)
{
    EXPECT_TRUE(CEditRules::IsNumberOnlyChar('0'));
    EXPECT_TRUE(CEditRules::IsNumberOnlyChar('9'));
    EXPECT_TRUE(CEditRules::IsNumberOnlyChar(VK_BACK));
    EXPECT_FALSE(CEditRules::IsNumberOnlyChar('a'));
    EXPECT_FALSE(CEditRules::IsNumberOnlyChar('.'));
    EXPECT_FALSE(CEditRules::IsNumberOnlyChar('-'));
    EXPECT_FALSE(CEditRules::IsNumberOnlyChar(0xB0));
    EXPECT_STREQ(CEditRules::KeepDigits("4a3.0-5").GetData(), "4305");
    EXPECT_STREQ(CEditRules::KeepDigits("x").GetData(), "");
}

TEST(EditRules, NativeRectIsTheTextAreaNarrowedToTheFont)
{
    const RECT item = {10, 10, 110, 40};
    const RECT pad = {4, 3, 4, 3};
    ExpectRect(CEditRules::NativeRect(item, pad, 14), 14, 18, 106, 32);
    ExpectRect(CEditRules::NativeRect(item, pad, 24), 14, 13, 106, 37);
    ExpectRect(CEditRules::NativeRect(item, pad, 30), 14, 13, 106, 37);
    EXPECT_EQ(CEditRules::SelectAllEnd(0), 1);
    EXPECT_EQ(CEditRules::SelectAllEnd(7), 7);
}

TEST(ComboArrowImage, StatePriorityIsDisabledPushedHotFocused)
{
    EXPECT_EQ(CComboArrowImage::StateIndex(0), 0);
    EXPECT_EQ(CComboArrowImage::StateIndex(UISTATE_FOCUSED), 3);
    EXPECT_EQ(CComboArrowImage::StateIndex(UISTATE_FOCUSED | UISTATE_HOT), 1);
    EXPECT_EQ(CComboArrowImage::StateIndex(UISTATE_HOT | UISTATE_PUSHED), 2);
    EXPECT_EQ(CComboArrowImage::StateIndex(UISTATE_DISABLED | UISTATE_PUSHED), 4);
}

TEST(ComboArrowImage, ModifierPicksTheStateCellAtTheRightEnd)
{
    CUIString modify;
    int cx = 0;
    ASSERT_TRUE(CComboArrowImage::BuildModifier("res='12' source='0,0,100,20' corner='1,1,1,1'", 2,
                                                SIZE{120, 24}, 1, modify, cx));
    EXPECT_EQ(cx, 20);
    EXPECT_STREQ(modify.GetData(), "res='12' source='40,0,60,20' dest='99,1,119,23' corner='1,1,1,1'");
    // Integer division of a strip that is not a multiple of five.
    ASSERT_TRUE(CComboArrowImage::BuildModifier("source='10,0,64,9'", 0, SIZE{50, 10}, 0, modify, cx));
    EXPECT_EQ(cx, 10);
    EXPECT_STREQ(modify.GetData(), "source='10,0,20,9' dest='40,0,50,10'");
}

TEST(ComboArrowImage, DescriptionWithoutACompleteSourceDrawsNothing)
{
    CUIString modify("unchanged");
    int cx = -1;
    EXPECT_FALSE(CComboArrowImage::BuildModifier("res='1'", 0, SIZE{10, 10}, 0, modify, cx));
    EXPECT_FALSE(CComboArrowImage::BuildModifier("source='1,2,3", 0, SIZE{10, 10}, 0, modify, cx));
    EXPECT_FALSE(CComboArrowImage::BuildModifier("source='1,2'", 0, SIZE{10, 10}, 0, modify, cx));
    EXPECT_FALSE(CComboArrowImage::BuildModifier(nullptr, 0, SIZE{10, 10}, 0, modify, cx));
    EXPECT_STREQ(modify.GetData(), "unchanged");
    EXPECT_EQ(cx, -1);
}

// Run with the Chinese code page (ctest entry skinui_edit_tests_gbk).
TEST(EditRulesGbk, PasswordCountsADoubleByteCharacterOnce)
{
    if (::GetACP() != 936) GTEST_SKIP() << "needs code page 936";
    EXPECT_STREQ(CEditRules::MaskPassword("中文a", '*').GetData(), "***");
    EXPECT_STREQ(CEditRules::MaskPassword("密码", '#').GetData(), "##");
    // A lead byte cut off at the end still shows as one character.
    EXPECT_STREQ(CEditRules::MaskPassword("a\xD6", '*').GetData(), "**");
    EXPECT_STREQ(CEditRules::KeepDigits("1中2").GetData(), "12");
}
