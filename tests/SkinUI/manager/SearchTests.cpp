#include <gtest/gtest.h>
#include "SkinUI/Core/ManagerKeyState.h"
#include "SkinUI/Core/ManagerShortcutSearch.h"
#include "SkinUI/Core/TabSearch.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"
#include "tests/SkinUI/manager/ProbeUI.h"

using namespace SkinUI;

namespace {

// root: a, plain, sub [b, c], hidden
class TabTree : public ::testing::Test {
protected:
    TabTree()
    {
        root.Add(a);
        root.Add(plain);
        root.Add(sub);
        sub->Add(b);
        sub->Add(c);
        root.Add(hidden);
        hidden->SetVisible(false);
    }

    CVerticalLayoutUI root;
    CProbeUI* a = new CProbeUI;
    CProbeUI* plain = new CProbeUI("ProbeUI", 0);
    CVerticalLayoutUI* sub = new CVerticalLayoutUI;
    CProbeUI* b = new CProbeUI;
    CProbeUI* c = new CProbeUI;
    CProbeUI* hidden = new CProbeUI;
};

} // namespace

TEST_F(TabTree, ForwardFindsTheNextVisibleEnabledTabStop)
{
    EXPECT_EQ(CTabSearch(nullptr, true).Run(&root), a);
    EXPECT_EQ(CTabSearch(a, true).Run(&root), b);
    EXPECT_EQ(CTabSearch(plain, true).Run(&root), b);
    EXPECT_EQ(CTabSearch(b, true).Run(&root), c);
    b->SetEnabled(false);
    EXPECT_EQ(CTabSearch(a, true).Run(&root), c);
}

TEST_F(TabTree, ForwardFromTheLastFindsNothing)
{
    CTabSearch search(c, true);
    EXPECT_EQ(search.Run(&root), nullptr);
}

TEST_F(TabTree, BackwardFindsThePreviousTabStopOrRemembersTheLast)
{
    EXPECT_EQ(CTabSearch(c, false).Run(&root), b);
    EXPECT_EQ(CTabSearch(b, false).Run(&root), a);
    CTabSearch fromFirst(a, false);
    EXPECT_EQ(fromFirst.Run(&root), nullptr);
    EXPECT_EQ(fromFirst.GetLastTabStop(), c);
}

TEST_F(TabTree, NoTreeNoResult)
{
    EXPECT_EQ(CTabSearch(nullptr, true).Run(nullptr), nullptr);
}

TEST(ShortcutSearch, LabelShortcutLandsOnTheFollowingVisibleControl)
{
    CVerticalLayoutUI root;
    auto* before = new CProbeUI;
    auto* label = new CProbeUI("LabelUI", 0);
    auto* hiddenEdit = new CProbeUI;
    auto* edit = new CProbeUI;
    root.Add(before);
    root.Add(label);
    root.Add(hiddenEdit);
    root.Add(edit);
    label->SetShortcut('n');
    hiddenEdit->SetVisible(false);
    EXPECT_EQ(CManagerShortcutSearch('N').Run(&root), edit);
    EXPECT_EQ(CManagerShortcutSearch('n').Run(&root), edit);
}

TEST(ShortcutSearch, OwnShortcutFindsTheControlAndUnknownKeysNothing)
{
    CVerticalLayoutUI root;
    auto* first = new CProbeUI;
    auto* second = new CProbeUI;
    auto* disabled = new CProbeUI;
    root.Add(first);
    root.Add(second);
    root.Add(disabled);
    second->SetShortcut('X');
    disabled->SetShortcut('d');
    disabled->SetEnabled(false);
    EXPECT_EQ(CManagerShortcutSearch('x').Run(&root), second);
    EXPECT_EQ(CManagerShortcutSearch('q').Run(&root), nullptr);
    EXPECT_EQ(CManagerShortcutSearch('d').Run(&root), nullptr);
    // A control without a shortcut (0) is not found by a zero key.
    EXPECT_EQ(CManagerShortcutSearch('\0').Run(&root), nullptr);
}

TEST(ShortcutSearch, UpperCaseOnlyTouchesAsciiLetters)
{
    EXPECT_EQ(CManagerShortcutSearch::ToUpper('a'), 'A');
    EXPECT_EQ(CManagerShortcutSearch::ToUpper('z'), 'Z');
    EXPECT_EQ(CManagerShortcutSearch::ToUpper('1'), '1');
    EXPECT_EQ(CManagerShortcutSearch::ToUpper('\xB0'), '\xB0');
}

TEST(KeyState, EachKeyHasItsBit)
{
    EXPECT_EQ(CManagerKeyState::Assemble(false, false, false, false, false), 0);
    EXPECT_EQ(CManagerKeyState::Assemble(true, false, false, false, false), UIKEYSTATE_CONTROL);
    EXPECT_EQ(CManagerKeyState::Assemble(false, true, false, false, false), UIKEYSTATE_LBUTTON);
    EXPECT_EQ(CManagerKeyState::Assemble(false, false, true, false, false), UIKEYSTATE_RBUTTON);
    EXPECT_EQ(CManagerKeyState::Assemble(false, false, false, true, false), UIKEYSTATE_SHIFT);
    EXPECT_EQ(CManagerKeyState::Assemble(false, false, false, false, true), UIKEYSTATE_ALT);
    EXPECT_EQ(CManagerKeyState::Assemble(true, true, true, true, true), 1 | 2 | 4 | 8 | 32);
}
