#include <gtest/gtest.h>
#include <memory>
#include "BuilderTestSupport.h"
#include "tests/SkinUI/support/TestWindow.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"

using namespace SkinUI;

namespace {

const char* kWindowMarkup = "<Window size=\"320,240\" caption=\"0,0,0,28\" showdirty=\"true\" alpha=\"200\" "
                            "selectedcolor=\"#FF445566\" unknown=\"1\"><VerticalLayout/></Window>";

LONG WindowWidth(HWND hWnd)
{
    RECT rc = {};
    ::GetWindowRect(hWnd, &rc);
    return rc.right - rc.left;
}

} // namespace

TEST(DlgBuilderWindow, WindowAttributesReachAManagerWithAWindow)
{
    CTestWindow window(100, 80);
    ASSERT_NE(window.GetHWND(), nullptr);
    CPaintManagerUI& pm = window.GetManager();
    CDlgBuilder builder;
    std::unique_ptr<CControlUI> root(builder.Create(kWindowMarkup, nullptr, nullptr, &pm));
    ASSERT_NE(root, nullptr);
    // Without a root yet the window takes the size at once.
    RECT rc = {};
    ::GetWindowRect(window.GetHWND(), &rc);
    EXPECT_EQ(rc.right - rc.left, 320);
    EXPECT_EQ(rc.bottom - rc.top, 240);
    EXPECT_EQ(pm.GetCaptionRect().bottom, 28);
    EXPECT_TRUE(pm.IsShowUpdateRect());
    EXPECT_EQ(pm.GetTransparent(), 200);
    EXPECT_NE(::GetWindowLongA(window.GetHWND(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    EXPECT_EQ(pm.GetDefaultSelectedBkColor(), 0xFF445566u);
}

TEST(DlgBuilderWindow, WindowAttributesNeedAWindowAndARootNamedWindow)
{
    CPaintManagerUI windowless;
    CDlgBuilder first;
    std::unique_ptr<CControlUI> root(first.Create(kWindowMarkup, nullptr, nullptr, &windowless));
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(windowless.GetInitSize().cx, 0);
    EXPECT_FALSE(windowless.IsShowUpdateRect());

    CTestWindow window(100, 80);
    CPaintManagerUI& pm = window.GetManager();
    CDlgBuilder second;
    std::unique_ptr<CControlUI> other(second.Create(
        "<Dialog size=\"320,240\"><Font name=\"Arial\" size=\"11\"/><Control/></Dialog>", nullptr, nullptr, &pm));
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(pm.GetInitSize().cx, 0);
    EXPECT_EQ(WindowWidth(window.GetHWND()), 100);
    // Resources are still taken from any root.
    EXPECT_EQ(pm.GetFontInfo(0)->iSize, 11);
}

TEST(DlgBuilderWindow, ControlsBuiltIntoAnAttachedParentStayAttached)
{
    CTestWindow window(100, 80);
    CPaintManagerUI& pm = window.GetManager();
    CDlgBuilder builder;
    CControlUI* root = builder.Create("<Window><VerticalLayout><Control name=\"a\"/></VerticalLayout></Window>",
                                      nullptr, nullptr, &pm);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(pm.FindControl("a"), nullptr);
    ASSERT_TRUE(pm.AttachDialog(root));
    EXPECT_EQ(pm.FindControl("a")->GetParent(), root);
    CDlgBuilder more;
    CControlUI* added =
        more.Create("<Window><Default name=\"Control\" value=\"height=&quot;12&quot;\"/><Container name=\"added\">"
                    "<Control name=\"inner\"/></Container></Window>",
                    nullptr, nullptr, &pm, root);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(ChildNames(root), "a,added[inner]");
    EXPECT_EQ(pm.FindControl("added"), added);
    CControlUI* inner = pm.FindControl("inner");
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->GetManager(), &pm);
    EXPECT_EQ(inner->GetFixedHeight(), 12);
}
