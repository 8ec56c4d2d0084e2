#include "tests/SkinUI/manager/ManagerFixture.h"

using namespace SkinUI;

TEST_F(ManagerTest, TimersGetWindowIdsFromSeventeenAndKilledRecordsRestart)
{
    CProbeUI* first = AddRow();
    CProbeUI* second = AddRow();
    Attach();
    EXPECT_TRUE(m_manager.SetTimer(first, 7, 10000));
    EXPECT_TRUE(m_manager.SetTimer(second, 7, 10000));
    EXPECT_FALSE(m_manager.SetTimer(first, 7, 10000));
    m_window.Send(WM_TIMER, 17);
    m_window.Send(WM_TIMER, 18);
    EXPECT_EQ(first->Count(UIEVENT_TIMER), 1);
    EXPECT_EQ(second->Count(UIEVENT_TIMER), 1);
    EXPECT_TRUE(m_manager.KillTimer(first, 7));
    m_window.Send(WM_TIMER, 17);
    EXPECT_EQ(first->Count(UIEVENT_TIMER), 1);
    // The killed record comes back with its own window timer; no new id is used.
    EXPECT_TRUE(m_manager.SetTimer(first, 7, 10000));
    m_window.Send(WM_TIMER, 17);
    EXPECT_EQ(first->Count(UIEVENT_TIMER), 2);
}

TEST_F(ManagerTest, MouseMovesEnterAndLeaveTheSelfSentMoveEndsTheHoverAndAnotherManagersControlIsLeftAlone)
{
    CProbeUI* top = AddRow();
    CProbeUI* below = AddRow();
    CProbeUI* foreign = AddRow();
    Attach();
    m_window.Send(WM_MOUSEMOVE, 0, CTestWindow::Point(5, 5));
    m_window.Send(WM_MOUSEMOVE, 0, CTestWindow::Point(5, 25));
    EXPECT_EQ(top->Count(UIEVENT_MOUSELEAVE), 1);
    EXPECT_EQ(below->Count(UIEVENT_MOUSEENTER), 1);
    CTestWindow other(50, 50);
    foreign->SetManager(&other.GetManager(), m_pRoot, false);
    m_window.Send(WM_MOUSEMOVE, 0, CTestWindow::Point(5, 45));
    EXPECT_EQ(below->Count(UIEVENT_MOUSELEAVE), 0);
    EXPECT_TRUE(foreign->m_events.empty());
    foreign->SetManager(&m_manager, m_pRoot, false);
    m_window.Send(WM_MOUSELEAVE);
    EXPECT_EQ(below->Count(UIEVENT_MOUSELEAVE), 1);
}
