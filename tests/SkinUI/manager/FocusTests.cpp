#include "SkinUI/Control/RichEditUI.h"
#include "SkinUI/Core/ManagerShortcutSearch.h"
#include "SkinUI/Core/TabSearch.h"
#include "tests/SkinUI/manager/ManagerFixture.h"

using namespace SkinUI;

namespace {
LRESULT g_result = 0;
}

TEST_F(ManagerTest, FirstPaintFocusesTheFirstTabStopAndTabWrapsBothWays)
{
    CProbeUI* a = AddRow();
    AddRow(0);
    CProbeUI* b = AddRow();
    CProbeUI* c = AddRow();
    Attach();
    ASSERT_EQ(m_manager.GetFocus(), a);
    EXPECT_EQ(a->Count(UIEVENT_SETFOCUS), 1);
    EXPECT_TRUE(m_manager.PreMessageHandler(WM_KEYDOWN, VK_TAB, 0, g_result));
    EXPECT_EQ(m_manager.GetFocus(), b);
    m_manager.SetNextTabControl();
    m_manager.SetNextTabControl();
    EXPECT_EQ(m_manager.GetFocus(), a);
    // No tab stop before the first one: backwards lands on the last one.
    m_manager.SetNextTabControl(false);
    EXPECT_EQ(m_manager.GetFocus(), c);
    EXPECT_FALSE(m_manager.PreMessageHandler(WM_KEYDOWN, 'A', 0, g_result));
}

TEST_F(ManagerTest, TabStaysWithAFocusedRichEditThatWantsIt)
{
    AddRow();
    auto* rich = new CRichEditUI;
    rich->SetFixedHeight(20);
    m_pRoot->Add(rich);
    CProbeUI* next = AddRow();
    Attach();
    m_manager.SetFocus(rich);
    rich->SetAttribute("wanttab", "true");
    EXPECT_FALSE(m_manager.PreMessageHandler(WM_KEYDOWN, VK_TAB, 0, g_result));
    EXPECT_EQ(m_manager.GetFocus(), rich);
    rich->SetAttribute("wanttab", "false");
    EXPECT_TRUE(m_manager.PreMessageHandler(WM_KEYDOWN, VK_TAB, 0, g_result));
    EXPECT_EQ(m_manager.GetFocus(), next);
}

TEST_F(ManagerTest, FocusChangesNotifyKillThenSetAndSkipHiddenOrForeignControls)
{
    CProbeUI* a = AddRow();
    CProbeUI* b = AddRow();
    CProbeUI* c = AddRow();
    Attach();
    CNotifyLog recorder;
    m_manager.AddNotifier(&recorder);
    m_manager.SetFocus(b);
    m_manager.SetFocus(b);
    ASSERT_EQ(recorder.seen.size(), 2u);
    EXPECT_EQ(recorder.seen[0].type, "killfocus");
    EXPECT_EQ(recorder.seen[0].sender, a);
    EXPECT_EQ(recorder.seen[1].type, "setfocus");
    EXPECT_EQ(recorder.seen[1].sender, b);
    EXPECT_EQ(a->Last(UIEVENT_KILLFOCUS)->pSender, b);
    m_manager.RemoveNotifier(&recorder);
    c->SetEnabled(false);
    m_manager.SetFocus(c);
    EXPECT_EQ(m_manager.GetFocus(), nullptr);
    CProbeUI stranger;
    m_manager.SetFocus(&stranger);
    EXPECT_EQ(m_manager.GetFocus(), nullptr);
}

TEST_F(ManagerTest, FocusNeededAndTabDuringAPendingLayoutWaitForThePaint)
{
    CProbeUI* a = AddRow();
    CProbeUI* b = AddRow();
    CProbeUI* c = AddRow();
    Attach();
    m_manager.SetFocusNeeded(c);
    // Without events the focus rests on the tab stop before c until the paint.
    EXPECT_EQ(m_manager.GetFocus(), b);
    EXPECT_EQ(b->Count(UIEVENT_SETFOCUS), 0);
    m_window.Repaint();
    EXPECT_EQ(m_manager.GetFocus(), c);
    m_pRoot->NeedUpdate();
    m_manager.SetFocus(a);
    m_manager.SetNextTabControl();
    EXPECT_EQ(m_manager.GetFocus(), a);
    m_window.Repaint();
    EXPECT_EQ(m_manager.GetFocus(), b);
}

TEST_F(ManagerTest, AltShortcutOfALabelFocusesAndActivatesTheNextControlAlsoFromAChildWindow)
{
    CProbeUI* first = AddRow();
    CProbeUI* label = AddRow(0, "LabelUI");
    CProbeUI* edit = AddRow();
    label->SetShortcut('N');
    Attach();
    ASSERT_EQ(m_manager.GetFocus(), first);
    EXPECT_FALSE(m_manager.PreMessageHandler(WM_SYSCHAR, 'q', 0, g_result));
    // The child has a manager of its own but without controls: the first live manager wins.
    CTestWindow child(20, 20, m_window.GetHWND());
    MSG msg = {};
    msg.hwnd = child.GetHWND();
    msg.message = WM_SYSCHAR;
    msg.wParam = 'n';
    EXPECT_TRUE(CPaintManagerUI::TranslateMessage(&msg));
    EXPECT_EQ(m_manager.GetFocus(), edit);
    EXPECT_EQ(edit->m_nActivations, 1);
    EXPECT_EQ(label->m_nActivations, 0);
    msg.hwnd = nullptr;
    EXPECT_FALSE(CPaintManagerUI::TranslateMessage(&msg));
    // A system key reaches the focus without being consumed.
    EXPECT_FALSE(m_manager.PreMessageHandler(WM_SYSKEYDOWN, 'F', 0, g_result));
    ASSERT_EQ(edit->Count(UIEVENT_SYSKEY), 1);
    EXPECT_EQ(edit->Last(UIEVENT_SYSKEY)->chKey, 'F');
}

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
    for (CControlUI* child : std::initializer_list<CControlUI*>{a, plain, sub, hidden}) root.Add(child);
    sub->Add(b);
    sub->Add(c);
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
