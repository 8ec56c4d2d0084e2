#include "SkinUI/Core/Delegate.h"
#include "tests/SkinUI/manager/ManagerFixture.h"

using namespace SkinUI;

namespace {

class CNotifyOrder {
public:
    bool OnNotify(void* param)
    {
        m_pLog->push_back(std::string("delegate:") + static_cast<TNotifyMsg*>(param)->sType.GetData());
        return true;
    }

    std::vector<std::string>* m_pLog = nullptr;
};

} // namespace

TEST_F(ManagerTest, WindowInitIsSentOnceAfterTheFirstLayout)
{
    CProbeUI* probe = AddRow();
    CNotifyLog recorder;
    m_manager.AddNotifier(&recorder);
    LONG bottomAtInit = -1;
    recorder.hook = [&](TNotifyMsg& msg) {
        if (msg.sType == "windowinit") bottomAtInit = probe->GetPos().bottom;
    };
    Attach();
    ASSERT_EQ(recorder.Count("windowinit"), 1);
    EXPECT_EQ(recorder.seen[0].sender, m_pRoot);
    // The tree is laid out when the window hears of it.
    EXPECT_EQ(bottomAtInit, 20);
    m_window.Send(WM_SIZE);
    m_window.Repaint();
    EXPECT_EQ(recorder.Count("windowinit"), 1);
    m_manager.RemoveNotifier(&recorder);
}

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
    EXPECT_EQ(m_manager.GetRoot(), m_pRoot);
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

TEST_F(ManagerTest, DeletedControlIsForgottenNamesMapToTheLatestControl)
{
    bool destroyed = false;
    CProbeUI* a = AddRow(UIFLAG_TABSTOP, "ProbeUI", &destroyed);
    CProbeUI* second = AddRow();
    CProbeUI* third = AddRow();
    a->SetName("a");
    second->SetName("same");
    third->SetName("same");
    Attach();
    EXPECT_EQ(m_manager.FindControl("same"), third);
    EXPECT_EQ(m_manager.FindControl(POINT{5, 25}), second);
    EXPECT_EQ(m_manager.FindControl(POINT{5, 95}), m_pRoot);
    ASSERT_EQ(m_manager.GetFocus(), a);
    ASSERT_TRUE(m_manager.SetTimer(a, 1, 10000));
    ASSERT_TRUE(m_manager.AddPostPaint(a));
    m_window.Repaint();
    ASSERT_EQ(a->m_nPostPaints, 1);
    m_pRoot->Remove(a);
    EXPECT_EQ(m_manager.GetFocus(), nullptr);
    EXPECT_EQ(m_manager.FindControl("a"), nullptr);
    EXPECT_FALSE(m_manager.RemovePostPaint(a));
    // Until its deletion comes round, neither the timer nor the post-paint list reaches it.
    ASSERT_FALSE(destroyed);
    m_window.Send(WM_TIMER, 17);
    m_window.Repaint();
    EXPECT_EQ(a->Count(UIEVENT_TIMER), 0);
    EXPECT_EQ(a->m_nPostPaints, 1);
    m_window.PumpMessages();
    EXPECT_TRUE(destroyed);
}

TEST_F(ManagerTest, NotifyRunsDelegatesThenNotifiersWithPointAndVirtualWindow)
{
    CProbeUI* probe = AddRow();
    Attach();
    std::vector<std::string> log;
    CNotifyOrder order;
    order.m_pLog = &log;
    probe->OnNotify += MakeDelegate(&order, &CNotifyOrder::OnNotify);
    CNotifyLog first;
    TNotifyMsg seen;
    first.hook = [&](TNotifyMsg& msg) {
        log.push_back("first");
        seen = msg;
    };
    m_manager.AddNotifier(&first);
    m_window.Send(WM_MOUSEMOVE, 0, CTestWindow::Point(7, 8));
    m_manager.SendNotify(probe, "click", 3, 4);
    EXPECT_EQ(log, (std::vector<std::string>{"delegate:click", "first"}));
    EXPECT_EQ(seen.ptMouse.x, 7);
    EXPECT_EQ(seen.ptMouse.y, 8);
    EXPECT_EQ(seen.wParam, 3u);
    EXPECT_EQ(seen.lParam, 4);
    EXPECT_TRUE(seen.sVirtualWnd.IsEmpty());
    probe->SetAttribute("virtualwnd", "page");
    EXPECT_TRUE(m_manager.IsUsedVirtualWnd());
    m_manager.SendNotify(probe, "click");
    EXPECT_STREQ(seen.sVirtualWnd, "page");
    m_manager.RemoveNotifier(&first);
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
    EXPECT_FALSE(m_manager.AddNotifier(nullptr));
    m_manager.SendNotify(probe, "click");
    m_manager.SendNotify(probe, "click");
    EXPECT_EQ(first.Count("click"), 1);
    EXPECT_EQ(second.Count("click"), 0);
    EXPECT_EQ(third.Count("click"), 2);
    m_manager.RemoveNotifier(&third);
}

TEST_F(ManagerTest, CloseEndsHoverAndClickOnce)
{
    CProbeUI* probe = AddRow();
    Attach();
    m_window.Send(WM_MOUSEMOVE, 0, CTestWindow::Point(5, 5));
    m_window.Send(WM_LBUTTONDOWN, MK_LBUTTON, CTestWindow::Point(5, 5));
    LRESULT result = 0;
    EXPECT_FALSE(m_manager.MessageHandler(WM_CLOSE, 0, 0, result));
    EXPECT_EQ(m_manager.GetFocus(), nullptr);
    m_window.Send(WM_LBUTTONUP, 0, CTestWindow::Point(5, 5));
    m_window.Send(WM_MOUSEMOVE, 0, CTestWindow::Point(5, 50));
    EXPECT_EQ(probe->Count(UIEVENT_BUTTONUP), 1);
    EXPECT_EQ(probe->Count(UIEVENT_MOUSELEAVE), 1);
}
