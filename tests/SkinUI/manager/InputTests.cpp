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
    // The killed record comes back with its own window timer; no new id is used.
    EXPECT_TRUE(m_manager.SetTimer(first, 7, 10000));
    m_window.Send(WM_TIMER, 17);
    EXPECT_EQ(first->Count(UIEVENT_TIMER), 2);
}
