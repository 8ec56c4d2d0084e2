#include <gtest/gtest.h>
#include "tests/SkinUI/support/NotifyLog.h"
#include <windows.h>
#include "ProbeControl.h"
#include "RectMatch.h"
#include "SkinUI/Control/ScrollBarUI.h"
#include "SkinUI/Core/INotifyUI.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Layout/TabLayoutUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"
#include "tests/SkinUI/support/TestWindow.h"

using namespace SkinUI;

namespace {

// Removes itself from its parent when clicked, as a "close" button would.
class CSelfRemover : public CProbeControl {
public:
    explicit CSelfRemover(int* pDestroyed) : CProbeControl(pDestroyed) {}
    void DoEvent(TEventMsg& event) override {
        if (event.Type == UIEVENT_BUTTONDOWN) {
            static_cast<CContainerUI*>(GetParent()->GetInterface("Container"))->Remove(this);
            // Still alive here: the handler may go on using its object.
            removedAlive = GetName().IsEmpty();
        }
    }
    bool removedAlive = false;
};

class ManagedLayout : public ::testing::Test {
protected:
    void SetUp() override {
        pm.AddNotifier(&log);
        root = new CVerticalLayoutUI();
        pm.AttachDialog(root);
        root->SetPos({0, 0, 200, 200});
    }
    void TearDown() override { pm.RemoveNotifier(&log); }
    void RunDelayedCleanup() {
        LRESULT lRes = 0;
        pm.MessageHandler(WM_APP + 1, 0, 0, lRes);
    }
    // Ten 50-pixel rows in the 200-pixel root with its vertical bar.
    void AddScrolledRows() {
        root->EnableScrollBar(true, false);
        for (int i = 0; i < 10; ++i)
            root->Add(new CProbeControl(nullptr, 50));
        root->SetPos({0, 0, 200, 200});
    }

    CTestWindow window{200, 200};
    HWND m_hWnd = window.GetHWND();
    CPaintManagerUI& pm = window.GetManager();
    CNotifyLog log;
    CVerticalLayoutUI* root = nullptr;
};

}  // namespace


TEST_F(ManagedLayout, ChildRemovingItselfDuringItsEventIsDeletedLater) {
    int destroyed = 0;
    auto* child = new CSelfRemover(&destroyed);
    root->Add(child);
    TEventMsg down = MakeEvent(UIEVENT_BUTTONDOWN, 5, 5);
    child->Event(down);
    EXPECT_TRUE(child->removedAlive);
    EXPECT_EQ(root->GetCount(), 0);
    EXPECT_EQ(destroyed, 0);
    RunDelayedCleanup();
    EXPECT_EQ(destroyed, 1);
}

TEST_F(ManagedLayout, ImmediateDestroyAndRemoveAllWithDelay) {
    int destroyed = 0;
    root->Add(new CProbeControl(&destroyed));
    root->Add(new CProbeControl(&destroyed));
    root->Add(new CProbeControl(&destroyed));
    root->SetDelayedDestroy(false);
    EXPECT_TRUE(root->RemoveAt(0));
    EXPECT_EQ(destroyed, 1);
    root->SetDelayedDestroy(true);
    root->RemoveAll();
    EXPECT_EQ(root->GetCount(), 0);
    EXPECT_EQ(destroyed, 1);
    RunDelayedCleanup();
    EXPECT_EQ(destroyed, 3);
}

TEST_F(ManagedLayout, LineStepAddsTheDefaultFontHeight) {
    AddScrolledRows();
    ASSERT_TRUE(root->GetVerticalScrollBar()->IsVisible());
    root->LineDown();
    EXPECT_EQ(root->GetScrollPos().cy, 8 + pm.GetDefaultFontInfo()->tm.tmHeight);
}

TEST_F(ManagedLayout, NewScrollBarsTakeTheDefaultAttributeList) {
    pm.AddDefaultAttributeList("VScrollBar", "linesize=\"4\" width=\"10\"");
    root->EnableScrollBar(true, false);
    CScrollBarUI* bar = root->GetVerticalScrollBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->GetLineSize(), 4);
    EXPECT_EQ(bar->GetFixedWidth(), 10);
    EXPECT_EQ(bar->GetManager(), &pm);
}

TEST_F(ManagedLayout, TabSelectionNotifiesWithNewAndOldIndex) {
    auto* tabs = new CTabLayoutUI();
    root->Add(tabs);
    CProbeControl* pages[3];
    for (CProbeControl*& page : pages) {
        page = new CProbeControl();
        tabs->Add(page);
    }
    EXPECT_TRUE(tabs->SelectItem(2));
    ASSERT_EQ(log.Count("tabselect"), 1);
    const TSeenNotify& seen = log.seen.back();
    EXPECT_EQ(seen.sender, tabs);
    EXPECT_EQ(seen.wParam, 2u);
    EXPECT_EQ(seen.lParam, 0);
    EXPECT_TRUE(tabs->SelectItem(2));
    EXPECT_EQ(log.Count("tabselect"), 1);
    EXPECT_TRUE(tabs->Remove(pages[2]));
    EXPECT_EQ(tabs->GetCurSel(), 0);
    EXPECT_TRUE(pages[0]->IsVisible());
    EXPECT_EQ(log.Count("tabselect"), 1);
}

TEST_F(ManagedLayout, StandaloneBarNotifiesScrollAndRunsItsTimer) {
    auto* bar = new CScrollBarUI();
    bar->SetFloat(true);
    root->Add(bar);
    bar->SetPos({0, 0, 16, 200});
    TEventMsg down = MakeEvent(UIEVENT_BUTTONDOWN, 8, 195);
    bar->Event(down);
    EXPECT_EQ(bar->GetScrollPos(), 8);
    EXPECT_EQ(log.Count("scroll"), 1);
    TEventMsg up = MakeEvent(UIEVENT_BUTTONUP, 8, 195);
    bar->Event(up);
    // The press started timer 10 and the release stopped it.
    EXPECT_FALSE(pm.KillTimer(bar, CScrollBarUI::kTimerId));
    EXPECT_TRUE(pm.SetTimer(bar, CScrollBarUI::kTimerId, 50));
}

TEST_F(ManagedLayout, OwnedBarSendsNoScrollNotification) {
    AddScrolledRows();
    CScrollBarUI* bar = root->GetVerticalScrollBar();
    TEventMsg down = MakeEvent(UIEVENT_BUTTONDOWN, 190, 195);
    bar->Event(down);
    EXPECT_GT(root->GetScrollPos().cy, 0);
    EXPECT_EQ(log.Count("scroll"), 0);
}

TEST_F(ManagedLayout, TrackedSeparatorRegistersForPostPaintOnce) {
    auto* pane = new CVerticalLayoutUI();
    pane->SetFixedHeight(100);
    pane->SetSepSize(4);
    root->Add(pane);
    root->SetPos({0, 0, 200, 200});
    TEventMsg down = MakeEvent(UIEVENT_BUTTONDOWN, 50, 98);
    pane->Event(down);
    pane->Event(down);
    TEventMsg move = MakeEvent(UIEVENT_MOUSEMOVE, 50, 120);
    pane->Event(move);
    EXPECT_EQ(pane->GetPos(), (RECT{0, 0, 200, 100}));
    TEventMsg up = MakeEvent(UIEVENT_BUTTONUP, 50, 120);
    pane->Event(up);
    EXPECT_FALSE(pm.RemovePostPaint(pane));
    root->SetPos({0, 0, 200, 200});
    EXPECT_EQ(pane->GetPos(), (RECT{0, 0, 200, 122}));
}

TEST_F(ManagedLayout, HeldTrackPagesAgainFromTheSixthTickTowardsTheCursor) {
    auto* bar = new CScrollBarUI();
    bar->SetFloat(true);
    root->Add(bar);
    bar->SetPos({0, 0, 16, 200});
    bar->SetScrollRange(1000);
    POINT held = {8, 150};
    POINT screen = held;
    ::ClientToScreen(m_hWnd, &screen);
    if (!::SetCursorPos(screen.x, screen.y))
        GTEST_SKIP() << "no pointer to move";
    TEventMsg down = MakeEvent(UIEVENT_BUTTONDOWN, held.x, held.y);
    bar->Event(down);
    EXPECT_EQ(bar->GetScrollPos(), 200);
    TEventMsg tick = MakeEvent(UIEVENT_TIMER, 0, 0, CScrollBarUI::kTimerId);
    for (int i = 0; i < 5; ++i)
        bar->Event(tick);
    EXPECT_EQ(bar->GetScrollPos(), 200);
    bar->Event(tick);
    EXPECT_EQ(bar->GetScrollPos(), 400);
    // Paging stops once the thumb reaches the cursor.
    for (int i = 0; i < 6; ++i)
        bar->Event(tick);
    EXPECT_EQ(bar->GetScrollPos(), 800);
    EXPECT_TRUE(::PtInRect(&bar->GetThumbRect(), held));
    EXPECT_EQ(log.Count("scroll"), 8);
    TEventMsg up = MakeEvent(UIEVENT_BUTTONUP, held.x, held.y);
    bar->Event(up);
}
