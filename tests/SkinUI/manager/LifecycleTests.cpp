#include "tests/SkinUI/manager/ManagerFixture.h"

using namespace SkinUI;

TEST_F(ManagerTest, ReplacedRootOrAQueuedControlIsDeletedOnceWhenItsMessageArrives)
{
    bool destroyed = false;
    auto* old = new CProbeUI("ProbeUI", UIFLAG_TABSTOP, &destroyed);
    old->SetName("old");
    m_manager.AttachDialog(old);
    m_window.Repaint();
    ASSERT_EQ(m_manager.GetFocus(), old);
    Attach();
    EXPECT_FALSE(destroyed);
    // The old tree gets nothing any more, not even by name.
    EXPECT_EQ(m_manager.FindControl("old"), nullptr);
    // Queued twice, a control is still deleted once.
    bool queuedDestroyed = false;
    auto* queued = new CProbeUI("ProbeUI", 0, &queuedDestroyed);
    m_manager.AddDelayedCleanup(queued);
    m_manager.AddDelayedCleanup(queued);
    m_window.PumpMessages();
    EXPECT_TRUE(destroyed);
    EXPECT_TRUE(queuedDestroyed);
}

TEST_F(ManagerTest, ControlRemovedDuringItsOwnEventOutlivesNestedMessageLoops)
{
    bool destroyed = false;
    bool aliveAfterNestedLoop = false;
    auto* old = new CProbeUI("ProbeUI", UIFLAG_TABSTOP, &destroyed);
    m_manager.AttachDialog(old);
    m_window.Repaint();
    old->m_onEvent = [&](TEventMsg& event) {
        if (event.Type != UIEVENT_BUTTONDOWN) return;
        m_manager.AttachDialog(m_pRoot);
        m_bAttached = true;
        m_window.PumpMessages();
        aliveAfterNestedLoop = !destroyed;
    };
    m_window.Send(WM_LBUTTONDOWN, MK_LBUTTON, CTestWindow::Point(5, 5));
    EXPECT_TRUE(aliveAfterNestedLoop);
    EXPECT_TRUE(destroyed);
}

TEST_F(ManagerTest, RemovedControlIsForgottenAndGetsNoTimerOrPostPaintBeforeItsDeletion)
{
    bool destroyed = false;
    CProbeUI* a = AddRow(UIFLAG_TABSTOP, "ProbeUI", &destroyed);
    a->SetName("a");
    Attach();
    ASSERT_EQ(m_manager.GetFocus(), a);
    ASSERT_TRUE(m_manager.SetTimer(a, 1, 10000));
    ASSERT_TRUE(m_manager.AddPostPaint(a));
    m_window.Repaint();
    m_window.Send(WM_TIMER, 17); // the first window timer id
    ASSERT_EQ(a->Count(UIEVENT_TIMER), 1);
    ASSERT_EQ(a->m_nPostPaints, 1);
    m_pRoot->Remove(a);
    EXPECT_EQ(m_manager.GetFocus(), nullptr);
    EXPECT_EQ(m_manager.FindControl("a"), nullptr);
    EXPECT_FALSE(m_manager.RemovePostPaint(a));
    // Until its deletion comes round, neither the timer nor the post-paint list reaches it.
    ASSERT_FALSE(destroyed);
    m_window.Send(WM_TIMER, 17);
    m_window.Repaint();
    EXPECT_EQ(a->Count(UIEVENT_TIMER), 1);
    EXPECT_EQ(a->m_nPostPaints, 1);
    m_window.PumpMessages();
    EXPECT_TRUE(destroyed);
}

TEST_F(ManagerTest, NotifierMayRemoveItselfOrAnotherDuringNotify)
{
    CProbeUI* probe = AddRow();
    Attach();
    CNotifyLog first;
    CNotifyLog second;
    CNotifyLog third;
    first.hook = [&](TNotifyMsg&) {
        m_manager.RemoveNotifier(&first);
        m_manager.RemoveNotifier(&second);
    };
    m_manager.AddNotifier(&first);
    m_manager.AddNotifier(&second);
    m_manager.AddNotifier(&third);
    m_manager.SendNotify(probe, "click");
    m_manager.SendNotify(probe, "click");
    EXPECT_EQ(first.Count("click"), 1);
    EXPECT_EQ(second.Count("click"), 0);
    EXPECT_EQ(third.Count("click"), 2);
    m_manager.RemoveNotifier(&third);
}

TEST_F(ManagerTest, HiddenDestroyedOrDetachedFocusedControlIsForgotten)
{
    CProbeUI* hidden = AddRow();
    CProbeUI* detached = AddRow();
    Attach();
    ASSERT_EQ(m_manager.GetFocus(), hidden);
    hidden->SetVisible(false);
    EXPECT_EQ(m_manager.GetFocus(), nullptr);
    auto* doomed = new CProbeUI;
    doomed->SetName("doomed");
    m_manager.InitControls(doomed, m_pRoot);
    doomed->SetFocus();
    delete doomed;
    EXPECT_EQ(m_manager.GetFocus(), nullptr);
    EXPECT_EQ(m_manager.FindControl("doomed"), nullptr);
    detached->SetFocus();
    ASSERT_EQ(m_manager.GetFocus(), detached);
    detached->SetManager(nullptr, nullptr, false);
    EXPECT_EQ(m_manager.GetFocus(), nullptr);
    detached->SetManager(&m_manager, m_pRoot, false);
}
