#include "SkinUI/Control/RichEditUI.h"
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
    EXPECT_TRUE(m_manager.PreMessageHandler(WM_KEYDOWN, VK_TAB, 0, g_result));
    EXPECT_EQ(m_manager.GetFocus(), b);
    m_manager.SetNextTabControl(false);
    EXPECT_EQ(m_manager.GetFocus(), a);
    // No tab stop before the first one: backwards lands on the last one.
    m_manager.SetNextTabControl(false);
    EXPECT_EQ(m_manager.GetFocus(), c);
}

TEST_F(ManagerTest, TabStaysWithAFocusedRichEditThatWantsIt)
{
    auto* rich = new CRichEditUI;
    rich->SetFixedHeight(20);
    m_pRoot->Add(rich);
    AddRow();
    Attach();
    m_manager.SetFocus(rich);
    rich->SetAttribute("wanttab", "true");
    EXPECT_FALSE(m_manager.PreMessageHandler(WM_KEYDOWN, VK_TAB, 0, g_result));
    EXPECT_EQ(m_manager.GetFocus(), rich);
}

TEST_F(ManagerTest, AltShortcutOfALabelFocusesAndActivatesTheNextControlAlsoFromAChildWindow)
{
    CProbeUI* first = AddRow();
    CProbeUI* label = AddRow(0, "LabelUI");
    CProbeUI* edit = AddRow();
    label->SetShortcut('N');
    Attach();
    ASSERT_EQ(m_manager.GetFocus(), first);
    // The child has a manager of its own but without controls: the first live manager wins.
    CTestWindow child(20, 20, m_window.GetHWND());
    MSG msg = {};
    msg.hwnd = child.GetHWND();
    msg.message = WM_SYSCHAR;
    msg.wParam = 'n';
    EXPECT_TRUE(CPaintManagerUI::TranslateMessage(&msg));
    EXPECT_EQ(m_manager.GetFocus(), edit);
    EXPECT_EQ(edit->m_nActivations, 1);
}
