#include <gtest/gtest.h>
#include <cstdio>
#include <string>
#include "SkinUI/Core/ControlUI.h"
#include "WindowTestKit.h"

using namespace SkinUI;
using namespace WindowTest;

namespace {

// A dialog built from a skin file under a resource path of its own, restored afterwards.
class CFileSkinDialog : public CTestDialog {
public:
    explicit CFileSkinDialog(const char* markup)
        : m_previous(CPaintManagerUI::GetResourcePath())
    {
        char dir[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, dir);
        CPaintManagerUI::SetResourcePath(dir);
        m_path = std::string(dir) + "skinui_window_test_skin.xml";
        skinSource = 0;
        skinFile = "skinui_window_test_skin.xml";
        if (markup == nullptr) return;
        FILE* file = std::fopen(m_path.c_str(), "wb");
        std::fputs(markup, file);
        std::fclose(file);
    }
    ~CFileSkinDialog() override
    {
        std::remove(m_path.c_str());
        CPaintManagerUI::SetResourcePath(m_previous);
    }

private:
    CUIString m_previous;
    std::string m_path;
};

int g_failures = 0;
std::string g_reason;

RECT Rect(HWND hWnd, bool client)
{
    RECT rc = {};
    if (client) ::GetClientRect(hWnd, &rc);
    if (!client) ::GetWindowRect(hWnd, &rc);
    return rc;
}

RECT WorkArea(HWND hWnd, POINT* monitorOrigin = nullptr)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoA(::MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST), &info);
    if (monitorOrigin != nullptr) *monitorOrigin = POINT{info.rcMonitor.left, info.rcMonitor.top};
    return info.rcWork;
}

} // namespace

TEST(WindowImplBase, BuiltInSkinShapesTheWindowAndClicksReachTheClickHandler)
{
    CTestDialog dialog(320, 210);
    const HWND hWnd = dialog.CreateTopLevel(nullptr, 50, 60);
    ASSERT_NE(nullptr, hWnd);
    EXPECT_EQ(1, dialog.skinReadyCount);
    CControlUI* root = dialog.GetPaintManager().GetRoot();
    EXPECT_STREQ("main", root->GetName());
    const RECT rc = Rect(hWnd, false), expected = {50, 60, 370, 270};
    EXPECT_TRUE(::EqualRect(&rc, &expected));
    EXPECT_EQ(0, ::GetWindowLongA(hWnd, GWL_STYLE) & WS_CAPTION);
    EXPECT_EQ(210, Rect(hWnd, true).bottom);
    EXPECT_EQ(static_cast<ULONG_PTR>(CS_DBLCLKS), ::GetClassLongPtrA(hWnd, GCL_STYLE));
    dialog.GetPaintManager().SendNotify(root, "click");
    dialog.GetPaintManager().SendNotify(root, "selectchanged");
    EXPECT_EQ(1, dialog.clickCount);
    EXPECT_EQ(root, dialog.lastClickSender);
}

TEST(WindowImplBase, EscapeEndsAModalDialogWithOneOrTheMainLoopAndEnterDoesNothing)
{
    const HWND owner = CreateOwner();
    CTestDialog escaped;
    CTestDialog entered;
    CTestDialog main;
    ASSERT_NE(nullptr, escaped.CreateTopLevel(owner));
    ASSERT_NE(nullptr, entered.CreateTopLevel(owner));
    ASSERT_NE(nullptr, main.CreateTopLevel());
    CWatchdog dog;
    escaped.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(1u, escaped.ShowModal());
    EXPECT_FALSE(::IsWindow(escaped.GetHWND()));
    EXPECT_FALSE(TakeQuit());
    entered.PostMessage(WM_KEYDOWN, VK_RETURN, 0);
    entered.Close(9);
    EXPECT_EQ(9u, entered.ShowModal());
    EXPECT_TRUE(::IsWindowEnabled(owner));
    main.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    CPaintManagerUI::MessageLoop();
    EXPECT_FALSE(dog.Fired());
    EXPECT_EQ(nullptr, main.GetHWND());
    ::DestroyWindow(owner);
}

TEST(WindowImplBase, SystemCloseQuitsWithoutClosingButDestroyingDoesNotQuit)
{
    CTestDialog dialog;
    ASSERT_NE(nullptr, dialog.CreateTopLevel());
    EXPECT_EQ(0, dialog.SendMessage(WM_SYSCOMMAND, SC_CLOSE));
    EXPECT_TRUE(::IsWindow(dialog.GetHWND()));
    int exitCode = -1;
    EXPECT_TRUE(TakeQuit(&exitCode));
    EXPECT_EQ(0, exitCode);
    // Other commands go to the system, which ignores an unknown one.
    dialog.SendMessage(WM_SYSCOMMAND, 0xF4F0);
    EXPECT_TRUE(::IsWindow(dialog.GetHWND()));
    ::DestroyWindow(dialog.GetHWND());
    auto* deleted = new CTestDialog;
    const HWND hWnd = deleted->CreateTopLevel();
    delete deleted;
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_FALSE(TakeQuit());
}

TEST(WindowImplBase, MinAndMaxTrackingFromTheMarkupAndNoRegionWithoutRoundCorners)
{
    CFileSkinDialog dialog(
        "<Window size=\"200,150\" mininfo=\"120,90\" maxinfo=\"400,0\"><VerticalLayout name=\"root\"/></Window>");
    ASSERT_NE(nullptr, dialog.CreateTopLevel());
    EXPECT_STREQ("root", dialog.GetPaintManager().GetRoot()->GetName());
    POINT monitor = {};
    const RECT work = WorkArea(dialog.GetHWND(), &monitor);
    MINMAXINFO mmi = {};
    dialog.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    EXPECT_EQ(120, mmi.ptMinTrackSize.x);
    EXPECT_EQ(90, mmi.ptMinTrackSize.y);
    EXPECT_EQ(400, mmi.ptMaxTrackSize.x);
    EXPECT_EQ(work.bottom - work.top, mmi.ptMaxTrackSize.y);
    EXPECT_EQ(work.left - monitor.x, mmi.ptMaxPosition.x);
    EXPECT_EQ(work.top - monitor.y, mmi.ptMaxPosition.y);
    ::SetWindowPos(dialog.GetHWND(), nullptr, 0, 0, 240, 130, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(ERROR, ::GetWindowRgn(dialog.GetHWND(), region));
    ::DeleteObject(region);
}

TEST(WindowImplBase, RoundCornersFollowResizes)
{
    CTestDialog dialog(300, 200);
    ASSERT_NE(nullptr, dialog.CreateTopLevel());
    ::SetWindowPos(dialog.GetHWND(), nullptr, 0, 0, 240, 130, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    HRGN actual = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, ::GetWindowRgn(dialog.GetHWND(), actual));
    RECT box = {};
    ::GetRgnBox(actual, &box);
    EXPECT_EQ(240, box.right);
    EXPECT_EQ(130, box.bottom);
    // Rounded: the corner pixels are cut, the edges between them are kept.
    EXPECT_FALSE(::PtInRegion(actual, 0, 0) || ::PtInRegion(actual, 239, 129));
    EXPECT_TRUE(::PtInRegion(actual, 120, 0) && ::PtInRegion(actual, 239, 65));
    ::DeleteObject(actual);
}

TEST(WindowImplBase, SkinThatDoesNotBuildOrLeavesControlsOutReportsWhyAndCreatesNoWindow)
{
    const char* const skins[][2] = {
        {nullptr, "Error opening file"},
        {"<Window><VerticalLayout/><Label/></Window>", "LabelUI"},
    };
    for (const auto& s : skins) {
        CFileSkinDialog dialog(s[0]);
        g_failures = 0;
        WindowImplBase::SetSkinFailureHandler([](const char* reason) {
            ++g_failures;
            g_reason = reason;
        });
        EXPECT_EQ(nullptr, dialog.CreateTopLevel());
        WindowImplBase::SetSkinFailureHandler(nullptr);
        EXPECT_EQ(1, g_failures);
        EXPECT_NE(g_reason.find(s[1]), std::string::npos) << g_reason;
        EXPECT_EQ(0, dialog.skinReadyCount);
        EXPECT_FALSE(TakeQuit());
    }
}

TEST(WindowImplBase, CaptionDragsOnRealLabelsButNotOnRealButtonsOptionsOrText)
{
    CFileSkinDialog dialog("<Window size=\"300,200\" caption=\"0,0,0,60\"><VerticalLayout>"
                           "<Label height=\"10\"/><Button height=\"10\"/><Option height=\"10\"/><Text height=\"10\"/>"
                           "<Label height=\"10\"/></VerticalLayout></Window>");
    ASSERT_NE(nullptr, dialog.CreateTopLevel());
    dialog.GetPaintManager().GetRoot()->SetPos(Rect(dialog.GetHWND(), true));
    // Rows of 10 px; at 55 the layout below its children, at 65 below the caption.
    const LRESULT expected[] = {HTCAPTION, HTCLIENT, HTCLIENT, HTCLIENT, HTCAPTION, HTCAPTION, HTCLIENT};
    for (int row = 0; row < 7; ++row) {
        POINT pt = {20, 5 + row * 10};
        ::ClientToScreen(dialog.GetHWND(), &pt);
        EXPECT_EQ(expected[row], dialog.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y))) << pt.y;
    }
}

TEST(WindowImplBase, NonClientAreaIsNoneAndTheMaximisedClientIsTheWorkArea)
{
    CTestDialog dialog(300, 200);
    ASSERT_NE(nullptr, dialog.CreateTopLevel());
    const RECT restored = {10, 20, 110, 220};
    RECT proposed = restored;
    EXPECT_EQ(0, dialog.SendMessage(WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&proposed)));
    EXPECT_TRUE(::EqualRect(&proposed, &restored));
    ::ShowWindow(dialog.GetHWND(), SW_MAXIMIZE);
    ASSERT_TRUE(::IsZoomed(dialog.GetHWND()));
    const RECT work = WorkArea(dialog.GetHWND());
    EXPECT_EQ(work.right - work.left, Rect(dialog.GetHWND(), true).right);
    EXPECT_EQ(work.bottom - work.top, Rect(dialog.GetHWND(), true).bottom);
    proposed = RECT{-4, -4, 5000, 5000};
    EXPECT_EQ(WVR_REDRAW, dialog.SendMessage(WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&proposed)));
    EXPECT_EQ(-4 + work.right - work.left, proposed.right);
    EXPECT_EQ(-4 + work.bottom - work.top, proposed.bottom);
}
