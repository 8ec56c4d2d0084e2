#include <gtest/gtest.h>
#include <windows.h>
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "tests/SkinUI/support/TestWindow.h"

using namespace SkinUI;

namespace {

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
        root.SetManager(&pm, nullptr, false);
        Relayout();
        pm.InitControls(&child, &root);
    }
    void Relayout() { root.SetPos(RECT{0, 0, 100, 100}); }

    static CTestWindow* s_window;
    CPaintManagerUI& pm = s_window->GetManager();
    CControlUI root;
    CControlUI child;
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
