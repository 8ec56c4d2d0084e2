#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Core/Delegate.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "tests/SkinUI/support/NotifyLog.h"
#include "tests/SkinUI/support/TestWindow.h"

using namespace SkinUI;

namespace {

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
        Relayout();
        pm.InitControls(&child, &root);
    }
    void TearDown() override { pm.RemoveNotifier(&log); }

    // The window's dirty area as "l,t,r,b", emptied afterwards.
    std::string TakeDirty()
    {
        RECT rc = {0, 0, 0, 0};
        ::GetUpdateRect(s_window->GetHWND(), &rc, FALSE);
        ::ValidateRect(s_window->GetHWND(), nullptr);
        return RectText(rc);
    }
    void Relayout() { root.SetPos(RECT{0, 0, 100, 100}); }

public:
    bool OnSize(void*)
    {
        ++sizes;
        return true;
    }

protected:
    static CTestWindow* s_window;
    CPaintManagerUI& pm = s_window->GetManager();
    CNotifyLog log;
    ParentControl root;
    CControlUI child;
    int sizes = 0;
};

CTestWindow* ManagedTest::s_window = nullptr;

} // namespace

TEST_F(ManagedTest, ContextMenuAndWindowTimerNotify)
{
    TEventMsg e;
    e.Type = UIEVENT_CONTEXTMENU;
    e.wParam = 1;
    child.Event(e);
    EXPECT_EQ(log.Count("menu"), 0);
    child.SetAttribute("menu", "true");
    child.Event(e);
    ASSERT_EQ(log.Count("menu", &child), 1);
    EXPECT_EQ(log.Last("menu")->wParam, 1u);
    EXPECT_EQ(root.forwarded, std::vector<int>{UIEVENT_CONTEXTMENU});
    ASSERT_TRUE(pm.SetTimer(&child, 5, 1));
    for (int i = 0; i < 200 && log.Count("timer") == 0; ++i) {
        ::Sleep(5);
        s_window->PumpMessages();
    }
    pm.KillTimer(&child, 5);
    ASSERT_GE(log.Count("timer", &child), 1);
    EXPECT_EQ(log.Last("timer")->wParam, 5u);
    EXPECT_EQ(root.forwarded.size(), 1u);
}

TEST_F(ManagedTest, HiddenDestroyedOrDetachedFocusedControlIsForgotten)
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
    CControlUI* doomed = new CControlUI;
    doomed->SetName("doomed");
    pm.InitControls(doomed, &root);
    EXPECT_EQ(pm.FindControl("doomed"), doomed);
    doomed->SetFocus();
    delete doomed;
    EXPECT_EQ(pm.GetFocus(), nullptr);
    EXPECT_EQ(pm.FindControl("doomed"), nullptr);
    other.SetVisible(true);
    other.SetFocus();
    other.SetManager(&pm, &root, false);
    ASSERT_EQ(pm.GetFocus(), &other);
    other.SetManager(nullptr, nullptr, false);
    EXPECT_EQ(pm.GetFocus(), nullptr);
}

TEST_F(ManagedTest, SetPosAndSettersInvalidateOnlyWhatChangesAndShows)
{
    child.OnSize += MakeDelegate<ManagedTest>(this, &ManagedTest::OnSize);
    EXPECT_TRUE(child.IsUpdateNeeded());
    child.SetPos(RECT{10, 10, 20, 20});
    EXPECT_FALSE(child.IsUpdateNeeded());
    EXPECT_EQ(sizes, 1);
    TakeDirty();
    // The old and the new place, clipped by the ancestors; outside them nothing.
    child.SetPos(RECT{60, 60, 150, 150});
    EXPECT_EQ(TakeDirty(), "10,10,100,100");
    child.SetPos(RECT{120, 120, 150, 150});
    TakeDirty();
    child.SetPos(RECT{130, 130, 160, 160});
    EXPECT_EQ(TakeDirty(), "0,0,0,0");
    child.SetPos(RECT{10, 10, 30, 40});
    child.SetText("a");
    child.SetBkImage("x.png");
    child.SetEnabled(false);
    TakeDirty();
    child.SetText("a");
    child.SetBkImage("x.png");
    child.SetEnabled(false);
    EXPECT_EQ(TakeDirty(), "0,0,0,0");
    child.SetText("b");
    EXPECT_EQ(TakeDirty(), "10,10,30,40");
    child.SetBkColor2(0xFF000001);
    EXPECT_EQ(TakeDirty(), "10,10,30,40");
    child.SetVisible(false);
    TakeDirty();
    child.Invalidate();
    EXPECT_EQ(TakeDirty(), "0,0,0,0");
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
    // Nor does a control hidden by an ancestor ask for a layout.
    child.NeedUpdate();
    EXPECT_FALSE(child.IsUpdateNeeded());
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
    const auto fixed = [this] {
        return std::to_string(child.GetFixedXY().cx) + "," + std::to_string(child.GetFixedXY().cy) + " " +
               std::to_string(child.GetFixedWidth()) + "x" + std::to_string(child.GetFixedHeight());
    };
    EXPECT_EQ(fixed(), "20,30 40x10");
    child.SetAttribute("pos", "-50,-30,-10,-10");
    Relayout();
    child.SetPos(RECT{40, 60, 95, 98});
    EXPECT_EQ(fixed(), "-5,-2 55x38");
}
