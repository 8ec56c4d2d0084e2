#include <gtest/gtest.h>
#include <memory>
#include "BuilderTestSupport.h"
#include "tests/SkinUI/support/TestWindow.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"

using namespace SkinUI;

namespace {

const char* kWindowMarkup =
    "<Window size=\"320,240\" caption=\"0,0,0,28\" sizebox=\"2,3,4,5\" roundcorner=\"6,6\" mininfo=\"200,100\" "
    "maxinfo=\"-1,700\" showdirty=\"true\" alpha=\"200\" bktrans=\"true\" defaultfontcolor=\"#FF112233\" "
    "selectedcolor=\"#FF445566\" unknown=\"1\"><VerticalLayout/></Window>";

SIZE WindowSize(HWND hWnd)
{
    RECT rc = {};
    ::GetWindowRect(hWnd, &rc);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
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
    EXPECT_EQ(pm.GetInitSize().cx, 320);
    EXPECT_EQ(pm.GetInitSize().cy, 240);
    // Without a root yet the window takes the size at once.
    EXPECT_EQ(WindowSize(window.GetHWND()).cx, 320);
    EXPECT_EQ(WindowSize(window.GetHWND()).cy, 240);
    EXPECT_EQ(pm.GetCaptionRect().bottom, 28);
    EXPECT_EQ(pm.GetSizeBox().top, 3);
    EXPECT_EQ(pm.GetRoundCorner().cx, 6);
    EXPECT_EQ(pm.GetMinInfo().cx, 200);
    EXPECT_EQ(pm.GetMaxInfo().cx, 0);
    EXPECT_TRUE(pm.IsShowUpdateRect());
    EXPECT_EQ(pm.GetTransparent(), 200);
    EXPECT_NE(::GetWindowLongA(window.GetHWND(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    EXPECT_TRUE(pm.IsBackgroundTransparent());
    EXPECT_EQ(pm.GetDefaultFontColor(), 0xFF112233u);
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
    EXPECT_EQ(WindowSize(window.GetHWND()).cx, 100);
    // Resources are still taken from any root.
    EXPECT_EQ(pm.GetFontInfo(0)->iSize, 11);
}

TEST(DlgBuilderWindow, TheRootAttachesAndItsNamedControlsAreFound)
{
    CTestWindow window(100, 80);
    CPaintManagerUI& pm = window.GetManager();
    CDlgBuilder builder;
    CControlUI* root = builder.Create(
        "<Window size=\"200,100\"><VerticalLayout name=\"root\"><Control name=\"a\"/><Container>"
        "<Control name=\"b\"/></Container></VerticalLayout></Window>",
        nullptr, nullptr, &pm);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(pm.FindControl("a"), nullptr);
    ASSERT_TRUE(pm.AttachDialog(root));
    CControlUI* b = pm.FindControl("b");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->GetManager(), &pm);
    EXPECT_EQ(NameOf(b->GetParent()->GetParent()), "root");
    EXPECT_EQ(pm.FindControl("a")->GetParent(), root);
}

TEST(DlgBuilderWindow, ControlsBuiltIntoAnAttachedParentStayAttached)
{
    CTestWindow window(100, 80);
    CPaintManagerUI& pm = window.GetManager();
    auto* root = new CVerticalLayoutUI();
    root->SetName("live");
    ASSERT_TRUE(pm.AttachDialog(root));
    CDlgBuilder builder;
    CControlUI* added = builder.Create(
        "<Window><Default name=\"Control\" value=\"height=&quot;12&quot;\"/><Container name=\"added\">"
        "<Control name=\"inner\"/></Container></Window>",
        nullptr, nullptr, &pm, root);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(root->GetCount(), 1);
    EXPECT_EQ(added->GetManager(), &pm);
    EXPECT_EQ(added->GetParent(), root);
    EXPECT_EQ(pm.FindControl("added"), added);
    CControlUI* inner = pm.FindControl("inner");
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->GetParent(), added);
    EXPECT_EQ(inner->GetFixedHeight(), 12);
}
