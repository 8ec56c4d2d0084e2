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

TEST_F(ManagedTest, HiddenDestroyedOrDetachedFocusedControlIsForgotten)
{
    CControlUI other;
    pm.InitControls(&other, &root);
    child.SetFocus();
    child.SetVisible(false);
    EXPECT_EQ(pm.GetFocus(), nullptr);
    CControlUI* doomed = new CControlUI;
    doomed->SetName("doomed");
    pm.InitControls(doomed, &root);
    doomed->SetFocus();
    delete doomed;
    EXPECT_EQ(pm.GetFocus(), nullptr);
    EXPECT_EQ(pm.FindControl("doomed"), nullptr);
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
    EXPECT_EQ(sizes, 1);
    TakeDirty();
    // The old and the new place, clipped by the ancestors; outside them nothing.
    child.SetPos(RECT{60, 60, 150, 150});
    EXPECT_EQ(TakeDirty(), "10,10,100,100");
    child.SetPos(RECT{10, 10, 30, 40});
    child.SetText("a");
    TakeDirty();
    child.SetText("a");
    EXPECT_EQ(TakeDirty(), "0,0,0,0");
    child.SetText("b");
    EXPECT_EQ(TakeDirty(), "10,10,30,40");
    child.SetVisible(false);
    TakeDirty();
    child.Invalidate();
    EXPECT_EQ(TakeDirty(), "0,0,0,0");
}

TEST_F(ManagedTest, SizeAndVisibilityChangesMarkTheParentForLayoutFloatingOnesOnlyTheControl)
{
    child.SetPos(RECT{0, 0, 10, 10});
    Relayout();
    child.SetFixedWidth(20);
    EXPECT_TRUE(root.IsUpdateNeeded());
    EXPECT_TRUE(pm.IsLayoutUpdateNeeded());
    // A control hidden by an ancestor does not ask for a layout.
    child.SetInternVisible(false);
    child.NeedUpdate();
    EXPECT_FALSE(child.IsUpdateNeeded());
    child.SetInternVisible(true);
    child.SetFloat(true);
    Relayout();
    child.SetPos(RECT{0, 0, 10, 10});
    child.SetFixedWidth(30);
    EXPECT_TRUE(child.IsUpdateNeeded());
    EXPECT_FALSE(root.IsUpdateNeeded());
}
