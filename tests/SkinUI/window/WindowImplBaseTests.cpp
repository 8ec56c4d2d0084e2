#include <gtest/gtest.h>
#include <cstdio>
#include <string>
#include "SkinUI/Core/ControlUI.h"
#include "WindowTestKit.h"

using namespace SkinUI;
using namespace WindowTest;

namespace {

LRESULT HitTest(CTestDialog& dialog, int x, int y)
{
    POINT pt = {x, y};
    ::ClientToScreen(dialog.GetHWND(), &pt);
    return dialog.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
}

// A skin file under a resource path of its own, restored afterwards.
class CSkinFile {
public:
    explicit CSkinFile(const char* markup)
        : m_previous(CPaintManagerUI::GetResourcePath())
    {
        char dir[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, dir);
        CPaintManagerUI::SetResourcePath(dir);
        m_path = std::string(dir) + name;
        if (markup == nullptr) return;
        FILE* file = std::fopen(m_path.c_str(), "wb");
        std::fputs(markup, file);
        std::fclose(file);
    }
    ~CSkinFile()
    {
        std::remove(m_path.c_str());
        CPaintManagerUI::SetResourcePath(m_previous);
    }
    CSkinFile(const CSkinFile&) = delete;
    CSkinFile& operator=(const CSkinFile&) = delete;

    static constexpr const char* name = "skinui_window_test_skin.xml";

private:
    CUIString m_previous;
    std::string m_path;
};

int g_failures = 0;
std::string g_reason;

void CountFailure(const char* reason)
{
    ++g_failures;
    g_reason = reason;
}

} // namespace

TEST(WindowImplBase, BuiltInSkinShapesTheWindow)
{
    CTestDialog dialog(320, 210);
    const HWND hWnd = dialog.CreateTopLevel(nullptr, 50, 60);
    ASSERT_NE(nullptr, hWnd);
    EXPECT_EQ(1, dialog.skinReadyCount);
    EXPECT_STREQ("main", dialog.GetPaintManager().GetRoot()->GetName());
    RECT rc = {};
    ::GetWindowRect(hWnd, &rc);
    EXPECT_EQ(50, rc.left);
    EXPECT_EQ(60, rc.top);
    EXPECT_EQ(320, rc.right - rc.left);
    EXPECT_EQ(210, rc.bottom - rc.top);
    EXPECT_EQ(0, ::GetWindowLongA(hWnd, GWL_STYLE) & WS_CAPTION);
    ::GetClientRect(hWnd, &rc);
    EXPECT_EQ(320, rc.right);
    EXPECT_EQ(210, rc.bottom);
    EXPECT_EQ(static_cast<ULONG_PTR>(CS_DBLCLKS), ::GetClassLongPtrA(hWnd, GCL_STYLE));
}

TEST(WindowImplBase, ClickNotificationsReachTheClickHandlerThroughTheMap)
{
    CTestDialog dialog;
    ASSERT_NE(nullptr, dialog.CreateTopLevel());
    CControlUI* root = dialog.GetPaintManager().GetRoot();
    dialog.GetPaintManager().SendNotify(root, "click");
    dialog.GetPaintManager().SendNotify(root, "selectchanged");
    EXPECT_EQ(1, dialog.clickCount);
    EXPECT_EQ(root, dialog.lastClickSender);
}

TEST(WindowImplBase, EscapeClosesAModalDialogWithResultOneAndEnterDoesNothing)
{
    const HWND owner = CreateOwner();
    CTestDialog escaped;
    ASSERT_NE(nullptr, escaped.CreateTopLevel(owner));
    escaped.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    CWatchdog dog(5000);
    EXPECT_EQ(1u, escaped.ShowModal());
    EXPECT_FALSE(::IsWindow(escaped.GetHWND()));
    EXPECT_FALSE(TakeQuit());

    CTestDialog entered;
    ASSERT_NE(nullptr, entered.CreateTopLevel(owner));
    entered.PostMessage(WM_KEYDOWN, VK_RETURN, 0);
    entered.Close(9);
    EXPECT_EQ(9u, entered.ShowModal());
    EXPECT_FALSE(dog.Fired());
    EXPECT_TRUE(::IsWindowEnabled(owner));
    ::DestroyWindow(owner);
}

TEST(WindowImplBase, EscapeOnTheMainWindowEndsTheMainLoop)
{
    CTestDialog main;
    ASSERT_NE(nullptr, main.CreateTopLevel());
    main.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    CWatchdog dog(5000);
    CPaintManagerUI::MessageLoop();
    EXPECT_FALSE(dog.Fired());
    EXPECT_EQ(nullptr, main.GetHWND());
}

TEST(WindowImplBase, SystemCloseQuitsWithoutClosing)
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
    EXPECT_FALSE(TakeQuit());
}

TEST(WindowImplBase, DeletingTheObjectOrDestroyingTheWindowDoesNotQuit)
{
    auto* deleted = new CTestDialog;
    const HWND hWnd = deleted->CreateTopLevel();
    ASSERT_NE(nullptr, hWnd);
    delete deleted;
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_FALSE(TakeQuit());

    CTestDialog destroyed;
    ASSERT_NE(nullptr, destroyed.CreateTopLevel());
    ::DestroyWindow(destroyed.GetHWND());
    EXPECT_FALSE(TakeQuit());
}

TEST(WindowImplBase, NonClientAnswersOfACaptionlessWindow)
{
    CTestDialog dialog;
    ASSERT_NE(nullptr, dialog.CreateTopLevel());
    EXPECT_EQ(TRUE, dialog.SendMessage(WM_NCACTIVATE, 0));
    EXPECT_EQ(FALSE, dialog.SendMessage(WM_NCACTIVATE, 1));
    RECT proposed = {10, 20, 110, 220};
    EXPECT_EQ(0, dialog.SendMessage(WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&proposed)));
    EXPECT_EQ(110, proposed.right);
    EXPECT_EQ(220, proposed.bottom);
}

TEST(WindowImplBase, MinAndMaxTrackingFromTheMarkupAndNoRegionWithoutRoundCorners)
{
    CSkinFile skin(
        "<Window size=\"200,150\" mininfo=\"120,90\" maxinfo=\"400,0\"><VerticalLayout name=\"root\"/></Window>");
    CTestDialog dialog;
    dialog.skinSource = 0;
    dialog.skinFile = CSkinFile::name;
    ASSERT_NE(nullptr, dialog.CreateTopLevel());
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoA(::MonitorFromWindow(dialog.GetHWND(), MONITOR_DEFAULTTONEAREST), &info);
    MINMAXINFO mmi = {};
    dialog.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    EXPECT_EQ(120, mmi.ptMinTrackSize.x);
    EXPECT_EQ(90, mmi.ptMinTrackSize.y);
    EXPECT_EQ(400, mmi.ptMaxTrackSize.x);
    EXPECT_EQ(info.rcWork.bottom - info.rcWork.top, mmi.ptMaxTrackSize.y);
    EXPECT_EQ(info.rcWork.left - info.rcMonitor.left, mmi.ptMaxPosition.x);
    EXPECT_EQ(info.rcWork.top - info.rcMonitor.top, mmi.ptMaxPosition.y);
    EXPECT_STREQ("root", dialog.GetPaintManager().GetRoot()->GetName());
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
    EXPECT_FALSE(::PtInRegion(actual, 0, 0));
    EXPECT_FALSE(::PtInRegion(actual, 239, 129));
    EXPECT_TRUE(::PtInRegion(actual, 120, 0));
    EXPECT_TRUE(::PtInRegion(actual, 239, 65));
    ::DeleteObject(actual);
}

TEST(WindowImplBase, SkinThatDoesNotBuildOrLeavesControlsOutReportsWhyAndCreatesNoWindow)
{
    const struct {
        const char* markup;
        const char* reason;
    } skins[] = {
        {nullptr, "Error opening file"},
        {"<Window><VerticalLayout/><Label/></Window>", "LabelUI"},
    };
    for (const auto& s : skins) {
        CSkinFile skin(s.markup);
        WindowImplBase::SetSkinFailureHandler(CountFailure);
        g_failures = 0;
        CTestDialog dialog;
        dialog.skinSource = 0;
        dialog.skinFile = CSkinFile::name;
        EXPECT_EQ(nullptr, dialog.CreateTopLevel());
        WindowImplBase::SetSkinFailureHandler(nullptr);
        EXPECT_EQ(1, g_failures);
        EXPECT_NE(g_reason.find(s.reason), std::string::npos) << g_reason;
        EXPECT_EQ(0, dialog.skinReadyCount);
        EXPECT_FALSE(TakeQuit());
    }
}

TEST(WindowImplBase, CaptionDragsOnRealLabelsButNotOnRealButtonsOptionsOrText)
{
    CSkinFile skin("<Window size=\"300,200\" caption=\"0,0,0,60\"><VerticalLayout>"
                   "<Label height=\"10\"/><Button height=\"10\"/><Option height=\"10\"/><Text height=\"10\"/>"
                   "<Label height=\"10\"/></VerticalLayout></Window>");
    CTestDialog dialog;
    dialog.skinSource = 0;
    dialog.skinFile = CSkinFile::name;
    ASSERT_NE(nullptr, dialog.CreateTopLevel());
    RECT client = {};
    ::GetClientRect(dialog.GetHWND(), &client);
    dialog.GetPaintManager().GetRoot()->SetPos(client);
    EXPECT_EQ(HTCAPTION, HitTest(dialog, 20, 5));
    EXPECT_EQ(HTCLIENT, HitTest(dialog, 20, 15));
    EXPECT_EQ(HTCLIENT, HitTest(dialog, 20, 25));
    EXPECT_EQ(HTCLIENT, HitTest(dialog, 20, 35));
    EXPECT_EQ(HTCAPTION, HitTest(dialog, 20, 45));
    EXPECT_EQ(HTCAPTION, HitTest(dialog, 20, 55)); // the layout below its children
    EXPECT_EQ(HTCLIENT, HitTest(dialog, 20, 65));
}

TEST(WindowImplBase, MaximisedClientAreaIsTheWorkArea)
{
    CTestDialog dialog(300, 200);
    ASSERT_NE(nullptr, dialog.CreateTopLevel());
    ::ShowWindow(dialog.GetHWND(), SW_MAXIMIZE);
    ASSERT_TRUE(::IsZoomed(dialog.GetHWND()));
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoA(::MonitorFromWindow(dialog.GetHWND(), MONITOR_DEFAULTTONEAREST), &info);
    RECT client = {};
    ::GetClientRect(dialog.GetHWND(), &client);
    EXPECT_EQ(info.rcWork.right - info.rcWork.left, client.right);
    EXPECT_EQ(info.rcWork.bottom - info.rcWork.top, client.bottom);
    RECT proposed = {-4, -4, 5000, 5000};
    EXPECT_EQ(WVR_REDRAW, dialog.SendMessage(WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&proposed)));
    EXPECT_EQ(-4 + info.rcWork.right - info.rcWork.left, proposed.right);
    EXPECT_EQ(-4 + info.rcWork.bottom - info.rcWork.top, proposed.bottom);
}
