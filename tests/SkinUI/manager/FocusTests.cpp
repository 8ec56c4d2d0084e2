#include "SkinUI/Control/RichEditUI.h"
#include "SkinUI/Core/Delegate.h"
#include "tests/SkinUI/manager/ManagerFixture.h"

using namespace SkinUI;

namespace {
LRESULT g_result = 0;

// A skin user's filter that keeps every event from its control.
struct TVeto {
    bool Keep(void* event)
    {
        seen = static_cast<TEventMsg*>(event)->Type;
        return false;
    }
    int seen = 0;
};
} // namespace

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

TEST_F(ManagerTest, AnEventListenerThatAnswersFalseKeepsTheEventFromTheControl)
{
    AddRow();
    CProbeUI* vetoed = AddRow();
    Attach();
    TVeto veto;
    vetoed->OnEvent += MakeDelegate(&veto, &TVeto::Keep);
    m_manager.SetFocus(vetoed);
    EXPECT_EQ(veto.seen, UIEVENT_SETFOCUS);
    EXPECT_FALSE(vetoed->IsFocused());
}
