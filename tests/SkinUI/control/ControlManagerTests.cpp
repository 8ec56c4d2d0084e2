#include <gtest/gtest.h>
#include <windows.h>
#include <vector>
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Core/Delegate.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "tests/SkinUI/support/NotifyLog.h"
#include "tests/SkinUI/support/TestWindow.h"

using namespace SkinUI;

namespace {

class SizeCounter {
public:
    bool OnSize(void*)
    {
        ++calls;
        return true;
    }
    int calls = 0;
};

// A parent that records forwarded events.
class ParentControl : public CControlUI {
public:
    void DoEvent(TEventMsg& event) override { forwarded.push_back(event.Type); }
    std::vector<int> forwarded;
};

// One window for the suite: creating a window costs seconds under Wine.
class ManagedTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_window = new CTestWindow(200, 200); }
    static void TearDownTestSuite()
    {
        delete s_window;
        s_window = nullptr;
    }
    void SetUp() override
    {
        pm.AddNotifier(&log);
        root.SetManager(&pm, nullptr, false);
        root.SetPos(RECT{0, 0, 100, 100});
        pm.InitControls(&child, &root);
    }
    void TearDown() override { pm.RemoveNotifier(&log); }

    // The window's dirty area, emptied afterwards.
    RECT TakeDirty()
    {
        RECT rc = {0, 0, 0, 0};
        ::GetUpdateRect(s_window->GetHWND(), &rc, FALSE);
        ::ValidateRect(s_window->GetHWND(), nullptr);
        return rc;
    }
    void ExpectDirty(const RECT& want)
    {
        const RECT got = TakeDirty();
        EXPECT_TRUE(::EqualRect(&got, &want)) << got.left << "," << got.top << "," << got.right << "," << got.bottom;
    }
    void Relayout() { root.SetPos(RECT{0, 0, 100, 100}); }

    static CTestWindow* s_window;
    CPaintManagerUI& pm = s_window->GetManager();
    CNotifyLog log;
    ParentControl root;
    CControlUI child;
};

CTestWindow* ManagedTest::s_window = nullptr;

} // namespace

TEST_F(ManagedTest, ContextMenuNotifiesOnlyWhenTheMenuIsUsed)
{
    TEventMsg e;
    e.Type = UIEVENT_CONTEXTMENU;
    e.wParam = 1;
    child.Event(e);
    EXPECT_EQ(log.Count("menu"), 0);
    child.SetAttribute("menu", "true");
    child.Event(e);
    ASSERT_EQ(log.Count("menu"), 1);
    EXPECT_EQ(log.seen.back().sender, &child);
    EXPECT_EQ(log.seen.back().wParam, 1u);
    EXPECT_EQ(root.forwarded, std::vector<int>{UIEVENT_CONTEXTMENU});
}

TEST_F(ManagedTest, HidingTheFocusedControlDropsTheFocusHidingAnotherKeepsIt)
{
    CControlUI other;
    pm.InitControls(&other, &root);
    child.SetFocus();
    other.SetVisible(false);
    EXPECT_EQ(pm.GetFocus(), &child);
    child.SetVisible(false);
    EXPECT_EQ(pm.GetFocus(), nullptr);
    EXPECT_FALSE(child.IsFocused());
    EXPECT_EQ(log.Count("killfocus"), 1);
    // Hidden by an ancestor, the focused control loses the focus too.
    child.SetVisible(true);
    child.SetFocus();
    ASSERT_EQ(pm.GetFocus(), &child);
    child.SetInternVisible(false);
    EXPECT_EQ(pm.GetFocus(), nullptr);
}

TEST_F(ManagedTest, DestroyedOrDetachedFocusedControlIsForgotten)
{
    CControlUI* doomed = new CControlUI;
    doomed->SetName("doomed");
    pm.InitControls(doomed, &root);
    EXPECT_EQ(pm.FindControl("doomed"), doomed);
    doomed->SetFocus();
    delete doomed;
    EXPECT_EQ(pm.GetFocus(), nullptr);
    EXPECT_EQ(pm.FindControl("doomed"), nullptr);
    child.SetFocus();
    child.SetManager(&pm, &root, false);
    ASSERT_EQ(pm.GetFocus(), &child);
    child.SetManager(nullptr, nullptr, false);
    EXPECT_EQ(pm.GetFocus(), nullptr);
}

TEST_F(ManagedTest, SetPosRunsOnSizeAndInvalidatesOldAndNewClippedByAncestors)
{
    SizeCounter counter;
    child.OnSize += MakeDelegate(&counter, &SizeCounter::OnSize);
    EXPECT_TRUE(child.IsUpdateNeeded());
    child.SetPos(RECT{10, 10, 20, 20});
    EXPECT_FALSE(child.IsUpdateNeeded());
    EXPECT_EQ(counter.calls, 1);
    TakeDirty();
    child.SetPos(RECT{60, 60, 150, 150});
    ExpectDirty(RECT{10, 10, 100, 100});
    // Outside every ancestor, nothing is invalidated.
    child.SetPos(RECT{120, 120, 150, 150});
    TakeDirty();
    child.SetPos(RECT{130, 130, 160, 160});
    ExpectDirty(RECT{0, 0, 0, 0});
}

TEST_F(ManagedTest, SettersInvalidateOnlyVisibleControlsWhoseValueChanges)
{
    child.SetPos(RECT{10, 10, 30, 40});
    child.SetText("a");
    child.SetBkImage("x.png");
    child.SetEnabled(false);
    TakeDirty();
    child.SetText("a");
    child.SetBkImage("x.png");
    child.SetEnabled(false);
    ExpectDirty(RECT{0, 0, 0, 0});
    child.SetText("b");
    ExpectDirty(RECT{10, 10, 30, 40});
    child.SetBkColor2(0xFF000001);
    ExpectDirty(RECT{10, 10, 30, 40});
    child.SetVisible(false);
    TakeDirty();
    child.Invalidate();
    ExpectDirty(RECT{0, 0, 0, 0});
}

TEST(ControlManaged, NeedUpdateMarksTheControlAndTheManagerOnlyWhenVisible)
{
    CPaintManagerUI fresh;
    CControlUI c;
    c.SetManager(&fresh, nullptr, false);
    c.SetPos(RECT{0, 0, 10, 10});
    c.SetInternVisible(false);
    c.NeedUpdate();
    EXPECT_FALSE(c.IsUpdateNeeded());
    EXPECT_FALSE(fresh.IsLayoutUpdateNeeded());
    c.SetInternVisible(true);
    c.NeedUpdate();
    EXPECT_TRUE(c.IsUpdateNeeded());
    EXPECT_TRUE(fresh.IsLayoutUpdateNeeded());
}

TEST_F(ManagedTest, SizeAndVisibilityChangesMarkTheParentForLayoutFloatingOnesOnlyTheControl)
{
    child.SetPos(RECT{0, 0, 10, 10});
    child.SetMinWidth(5);
    Relayout();
    // Unchanged values do not mark the parent.
    child.SetMinWidth(5);
    child.SetVisible(true);
    EXPECT_FALSE(root.IsUpdateNeeded());
    child.SetFixedWidth(20);
    EXPECT_TRUE(root.IsUpdateNeeded());
    EXPECT_TRUE(pm.IsLayoutUpdateNeeded());
    Relayout();
    child.SetVisible(false);
    EXPECT_TRUE(root.IsUpdateNeeded());
    // Already hidden by an ancestor: the own flag changes, the visibility does not.
    child.SetVisible(true);
    child.SetInternVisible(false);
    Relayout();
    child.SetVisible(false);
    EXPECT_FALSE(root.IsUpdateNeeded());
    child.SetInternVisible(true);
    child.SetVisible(true);
    child.SetFloat(true);
    Relayout();
    child.SetPos(RECT{0, 0, 10, 10});
    child.SetFixedWidth(30);
    EXPECT_TRUE(child.IsUpdateNeeded());
    EXPECT_FALSE(root.IsUpdateNeeded());
}

TEST_F(ManagedTest, FloatingSetPosRecordsTheOffsetFromTheAnchoredEdges)
{
    // Not floating: the fixed values stay.
    child.SetFixedXY(SIZE{3, 4});
    child.SetPos(RECT{30, 50, 70, 60});
    EXPECT_EQ(child.GetFixedXY().cx, 3);
    child.SetFloat(true);
    root.SetPos(RECT{10, 20, 110, 120});
    child.SetPos(RECT{30, 50, 70, 60});
    EXPECT_EQ(child.GetFixedXY().cx, 20);
    EXPECT_EQ(child.GetFixedXY().cy, 30);
    EXPECT_EQ(child.GetFixedWidth(), 40);
    EXPECT_EQ(child.GetFixedHeight(), 10);
    child.SetAttribute("pos", "-50,-30,-10,-10");
    Relayout();
    child.SetPos(RECT{40, 60, 95, 98});
    EXPECT_EQ(child.GetFixedXY().cx, -5);
    EXPECT_EQ(child.GetFixedXY().cy, -2);
    EXPECT_EQ(child.GetFixedWidth(), 55);
}

TEST_F(ManagedTest, WindowTimerReachesTheControlAsATimerNotification)
{
    ASSERT_TRUE(pm.SetTimer(&child, 5, 1));
    for (int i = 0; i < 200 && log.Count("timer") == 0; ++i) {
        ::Sleep(5);
        s_window->PumpMessages();
    }
    pm.KillTimer(&child, 5);
    ASSERT_GE(log.Count("timer"), 1);
    EXPECT_EQ(log.seen.back().sender, &child);
    EXPECT_EQ(log.seen.back().wParam, 5u);
    EXPECT_TRUE(root.forwarded.empty());
}

TEST(ControlWindow, RootIsPaintedThroughTheWindow)
{
    CTestWindow window(60, 40);
    CControlUI* root = new CControlUI;
    root->SetBkColor(0xFF2040C0);
    root->SetBorderColor(0xFF00FF00);
    root->SetBorderSize(1);
    ASSERT_TRUE(window.GetManager().AttachDialog(root));
    window.Repaint();
    EXPECT_EQ(window.PrintPixel(30, 20), RGB(0x20, 0x40, 0xC0));
    EXPECT_EQ(window.PrintPixel(0, 20), RGB(0, 0xFF, 0));
    EXPECT_EQ(root->GetWidth(), 60);
}
