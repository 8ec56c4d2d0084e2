#include "SkinUI/Core/TimerTable.h"
#include "tests/SkinUI/manager/ManagerFixture.h"

using namespace SkinUI;

namespace {

class CountingFilter : public IMessageFilterUI {
public:
    LRESULT MessageHandler(UINT uMsg, WPARAM, LPARAM, bool& bHandled) override
    {
        ++m_nCalls;
        if (uMsg == m_uEat) bHandled = true;
        return 42;
    }

    UINT m_uEat = 0;
    int m_nCalls = 0;
};

} // namespace

TEST_F(ManagerTest, TimersGetWindowIdsFromSeventeenAndKilledRecordsRestart)
{
    CProbeUI* first = AddRow();
    CProbeUI* second = AddRow();
    Attach();
    EXPECT_FALSE(m_manager.KillTimer(first, 7));
    EXPECT_TRUE(m_manager.SetTimer(first, 7, 10000));
    EXPECT_TRUE(m_manager.SetTimer(second, 7, 10000));
    EXPECT_FALSE(m_manager.SetTimer(first, 7, 10000));
    m_window.Send(WM_TIMER, 17);
    m_window.Send(WM_TIMER, 18);
    ASSERT_EQ(first->Count(UIEVENT_TIMER), 1);
    EXPECT_EQ(first->Last(UIEVENT_TIMER)->wParam, 7u);
    EXPECT_EQ(second->Count(UIEVENT_TIMER), 1);
    EXPECT_TRUE(m_manager.KillTimer(first, 7));
    EXPECT_FALSE(m_manager.KillTimer(first, 7));
    m_window.Send(WM_TIMER, 17);
    EXPECT_EQ(first->Count(UIEVENT_TIMER), 1);
    // The killed record comes back with its own window timer; no new id is used.
    EXPECT_TRUE(m_manager.SetTimer(first, 7, 10000));
    m_window.Send(WM_TIMER, 17);
    EXPECT_EQ(first->Count(UIEVENT_TIMER), 2);
    EXPECT_TRUE(m_manager.SetTimer(first, 8, 10000));
    m_window.Send(WM_TIMER, 19);
    EXPECT_EQ(first->Last(UIEVENT_TIMER)->wParam, 8u);
    // Killing all timers of a control silences them.
    m_manager.KillTimer(first);
    m_window.Send(WM_TIMER, 17);
    m_window.Send(WM_TIMER, 19);
    EXPECT_EQ(first->Count(UIEVENT_TIMER), 3);
}

TEST_F(ManagerTest, MouseMovesEnterAndLeaveTheSelfSentMoveEndsTheHoverAndAnotherManagersControlIsLeftAlone)
{
    CProbeUI* top = AddRow();
    CProbeUI* below = AddRow();
    CProbeUI* foreign = AddRow();
    Attach();
    m_window.Send(WM_MOUSEMOVE, 0, CTestWindow::Point(5, 5));
    EXPECT_EQ(top->Count(UIEVENT_MOUSEENTER), 1);
    m_window.Send(WM_MOUSEMOVE, 0, CTestWindow::Point(5, 25));
    EXPECT_EQ(top->Count(UIEVENT_MOUSELEAVE), 1);
    EXPECT_EQ(below->Count(UIEVENT_MOUSEENTER), 1);
    CTestWindow other(50, 50);
    foreign->SetManager(&other.GetManager(), m_pRoot, false);
    m_window.Send(WM_MOUSEMOVE, 0, CTestWindow::Point(5, 45));
    EXPECT_EQ(below->Count(UIEVENT_MOUSELEAVE), 0);
    EXPECT_TRUE(foreign->m_events.empty());
    EXPECT_EQ(m_manager.GetMousePos().y, 45);
    foreign->SetManager(&m_manager, m_pRoot, false);
    m_window.Send(WM_MOUSELEAVE);
    ASSERT_EQ(below->Count(UIEVENT_MOUSELEAVE), 1);
    EXPECT_EQ(m_manager.GetMousePos().x, -1);
    EXPECT_EQ(m_manager.GetMousePos().y, -1);
    // Tracking is off now: another leave sends no move.
    m_window.Send(WM_MOUSELEAVE);
    EXPECT_EQ(below->Count(UIEVENT_MOUSELEAVE), 1);
}

TEST_F(ManagerTest, ButtonDownFocusesAndCapturesDoubleClickDoesNotFocus)
{
    CProbeUI* probe = AddRow();
    CProbeUI* other = AddRow();
    Attach();
    m_window.Send(WM_LBUTTONDBLCLK, MK_LBUTTON, CTestWindow::Point(3, 25));
    EXPECT_EQ(other->Count(UIEVENT_DBLCLICK), 1);
    EXPECT_EQ(m_manager.GetFocus(), probe);
    m_window.Send(WM_LBUTTONUP, 0, CTestWindow::Point(3, 25));
    m_manager.SetFocus(other);
    m_window.Send(WM_LBUTTONDOWN, MK_LBUTTON, CTestWindow::Point(3, 4));
    EXPECT_EQ(m_manager.GetFocus(), probe);
    EXPECT_TRUE(m_manager.IsCaptured());
    EXPECT_EQ(probe->Last(UIEVENT_BUTTONDOWN)->wKeyState, MK_LBUTTON);
    // While the button is held, moves go to the click control.
    m_window.Send(WM_MOUSEMOVE, MK_LBUTTON, CTestWindow::Point(3, 30));
    EXPECT_EQ(probe->Count(UIEVENT_MOUSEMOVE), 1);
    EXPECT_EQ(other->Count(UIEVENT_MOUSEMOVE), 0);
    m_window.Send(WM_LBUTTONUP, 0, CTestWindow::Point(3, 30));
    m_window.Send(WM_LBUTTONUP, 0, CTestWindow::Point(3, 30));
    EXPECT_EQ(probe->Count(UIEVENT_BUTTONUP), 1);
    EXPECT_FALSE(m_manager.IsCaptured());
}

TEST_F(ManagerTest, KeysGoToTheFocusAndKeyUpToTheKeyReceiverWindowSizeToTheFocus)
{
    CProbeUI* first = AddRow(UIFLAG_TABSTOP, "LabelUI");
    CProbeUI* second = AddRow();
    Attach();
    ASSERT_EQ(m_manager.GetFocus(), first);
    m_window.Send(WM_KEYDOWN, 'A');
    EXPECT_EQ(first->Last(UIEVENT_KEYDOWN)->chKey, 'A');
    m_manager.SetFocus(second);
    m_window.Send(WM_KEYUP, 'A');
    m_window.Send(WM_KEYUP, 'A');
    EXPECT_EQ(first->Count(UIEVENT_KEYUP), 1);
    EXPECT_EQ(second->Count(UIEVENT_KEYUP), 0);
    m_manager.SetFocus(first);
    EXPECT_EQ(m_window.Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(200, 100)), 0);
    EXPECT_EQ(first->Count(UIEVENT_WINDOWSIZE), 1);
    EXPECT_TRUE(m_manager.IsLayoutUpdateNeeded());
}

TEST_F(ManagerTest, MessageFiltersThatHandleEndTheProcessing)
{
    CProbeUI* probe = AddRow();
    AddRow();
    Attach();
    CountingFilter first;
    CountingFilter second;
    first.m_uEat = WM_SIZE;
    ASSERT_TRUE(m_manager.AddMessageFilter(&first));
    ASSERT_TRUE(m_manager.AddMessageFilter(&second));
    LRESULT result = 0;
    EXPECT_TRUE(m_manager.MessageHandler(WM_SIZE, 0, 0, result));
    EXPECT_EQ(result, 42);
    EXPECT_EQ(second.m_nCalls, 0);
    EXPECT_EQ(probe->Count(UIEVENT_WINDOWSIZE), 0);
    EXPECT_TRUE(m_manager.RemoveMessageFilter(&first));
    EXPECT_FALSE(m_manager.RemoveMessageFilter(&first));
    m_manager.MessageHandler(WM_SIZE, 0, 0, result);
    EXPECT_EQ(second.m_nCalls, 1);
    EXPECT_EQ(probe->Count(UIEVENT_WINDOWSIZE), 1);
    m_manager.RemoveMessageFilter(&second);
    first.m_uEat = WM_KEYDOWN;
    m_manager.AddPreMessageFilter(&first);
    EXPECT_TRUE(m_manager.PreMessageHandler(WM_KEYDOWN, VK_TAB, 0, result));
    EXPECT_EQ(m_manager.GetFocus(), probe);
    m_manager.RemovePreMessageFilter(&first);
}

TEST_F(ManagerTest, WheelSaysWhichWayCommandsAreReflectedAndSetCursorOnlyInTheClientArea)
{
    CProbeUI* probe = AddRow(0);
    Attach();
    POINT screen = {4, 4};
    ::ClientToScreen(m_window.GetHWND(), &screen);
    m_window.Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), MAKELPARAM(screen.x, screen.y));
    ASSERT_EQ(probe->Count(UIEVENT_SCROLLWHEEL), 1);
    EXPECT_EQ(probe->Last(UIEVENT_SCROLLWHEEL)->wParam, 1u);
    m_window.Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(screen.x, screen.y));
    EXPECT_EQ(probe->Last(UIEVENT_SCROLLWHEEL)->wParam, 0u);
    // Hover follows the wheel through a self-sent move.
    EXPECT_GE(probe->Count(UIEVENT_MOUSEENTER), 1);
    CTestWindow child(20, 20, m_window.GetHWND());
    LRESULT result = 0;
    EXPECT_TRUE(m_manager.MessageHandler(WM_COMMAND, 5, reinterpret_cast<LPARAM>(child.GetHWND()), result));
    EXPECT_FALSE(m_manager.MessageHandler(WM_COMMAND, 5, 0, result));
    EXPECT_FALSE(m_manager.MessageHandler(WM_SETCURSOR, 0, MAKELPARAM(HTCAPTION, 0), result));
    m_manager.SetCapture();
    EXPECT_TRUE(m_manager.MessageHandler(WM_SETCURSOR, 0, MAKELPARAM(HTCLIENT, 0), result));
    m_manager.ReleaseCapture();
    EXPECT_EQ(probe->Count(UIEVENT_SETCURSOR), 0);
}

TEST(TimerTable, IdsStartAtSeventeenWrapPastZeroSkipThoseOfTheWindowAndRunOut)
{
    const auto window = [](int n) { return reinterpret_cast<HWND>(static_cast<INT_PTR>(n)); };
    auto* const control = reinterpret_cast<CControlUI*>(0x10);
    CTimerTable table;
    table.Add(control, 1, window(1), 1);
    table.Add(control, 2, window(1), 2);
    EXPECT_EQ(table.NextWinTimerId(window(1)), 17u);
    EXPECT_EQ(table.NextWinTimerId(window(2)), 18u);
    UINT id = 0;
    for (int i = 0; i < 254 - 19 + 1; ++i) id = table.NextWinTimerId(window(1));
    EXPECT_EQ(id, 254u);
    // 0 is no timer id; 1 and 2 belong to records of this window (a killed one may be restarted).
    EXPECT_EQ(table.NextWinTimerId(window(1)), 3u);
    // Another window may reuse them.
    for (int i = 0; i < 251; ++i) table.NextWinTimerId(window(1));
    EXPECT_EQ(table.NextWinTimerId(window(2)), 1u);
    for (UINT i = 3; i < 255; ++i) table.Add(control, i, window(1), i);
    EXPECT_EQ(table.NextWinTimerId(window(1)), 0u);
    table.RemoveAt(99);
    EXPECT_EQ(table.NextWinTimerId(window(1)), 100u);
}
