#include <gtest/gtest.h>
#include "SkinUI/Core/ManagerShortcutSearch.h"
#include "SkinUI/Core/TabSearch.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"
#include "tests/SkinUI/manager/ProbeUI.h"

using namespace SkinUI;

TEST(TabSearch, SkipsPlainHiddenAndDisabledControlsAndRemembersTheLastTabStop)
{
    // root: a, plain, sub [b, c], hidden
    CVerticalLayoutUI root;
    auto* a = new CProbeUI;
    auto* plain = new CProbeUI("ProbeUI", 0);
    auto* sub = new CVerticalLayoutUI;
    auto* b = new CProbeUI;
    auto* c = new CProbeUI;
    auto* hidden = new CProbeUI;
    root.Add(a);
    root.Add(plain);
    root.Add(sub);
    sub->Add(b);
    sub->Add(c);
    root.Add(hidden);
    hidden->SetVisible(false);
    EXPECT_EQ(CTabSearch(plain, true).Run(&root), b);
    EXPECT_EQ(CTabSearch(c, true).Run(&root), nullptr);
    EXPECT_EQ(CTabSearch(c, false).Run(&root), b);
    CTabSearch fromFirst(a, false);
    EXPECT_EQ(fromFirst.Run(&root), nullptr);
    EXPECT_EQ(fromFirst.GetLastTabStop(), c);
    b->SetEnabled(false);
    EXPECT_EQ(CTabSearch(a, true).Run(&root), c);
}

TEST(ShortcutSearch, LabelShortcutLandsOnTheFollowingVisibleControlOwnShortcutOnTheControl)
{
    CVerticalLayoutUI root;
    auto* label = new CProbeUI("LabelUI", 0);
    auto* hiddenEdit = new CProbeUI;
    auto* edit = new CProbeUI;
    auto* own = new CProbeUI;
    auto* disabled = new CProbeUI;
    for (CProbeUI* c : {label, hiddenEdit, edit, own, disabled}) root.Add(c);
    label->SetShortcut('n');
    hiddenEdit->SetVisible(false);
    own->SetShortcut('X');
    disabled->SetShortcut('d');
    disabled->SetEnabled(false);
    EXPECT_EQ(CManagerShortcutSearch('N').Run(&root), edit);
    EXPECT_EQ(CManagerShortcutSearch('x').Run(&root), own);
    EXPECT_EQ(CManagerShortcutSearch('q').Run(&root), nullptr);
    EXPECT_EQ(CManagerShortcutSearch('d').Run(&root), nullptr);
    // A control without a shortcut (0) is not found by a zero key.
    EXPECT_EQ(CManagerShortcutSearch('\0').Run(&root), nullptr);
}
