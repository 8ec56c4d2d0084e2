#include <gtest/gtest.h>
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
    EXPECT_EQ(CTabSearch(c, true).Run(&root), nullptr);
    b->SetEnabled(false);
    EXPECT_EQ(CTabSearch(a, true).Run(&root), c);
}


TEST_F(TabTree, BackwardFindsThePreviousTabStopOrRemembersTheLast)
{
    EXPECT_EQ(CTabSearch(c, false).Run(&root), b);
    EXPECT_EQ(CTabSearch(b, false).Run(&root), a);
    CTabSearch fromFirst(a, false);
    EXPECT_EQ(fromFirst.Run(&root), nullptr);
    EXPECT_EQ(fromFirst.GetLastTabStop(), c);
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


