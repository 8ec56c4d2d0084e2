#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <vector>
#include "SkinUI/Core/WindowWnd.h"
#include "WindowTestKit.h"

using namespace SkinUI;
using namespace WindowTest;

namespace {

const UINT kRun = WM_APP + 1;

// A plain wrapped window that records every message; the hook runs first and says whether it handled one.
class CPlainWnd : public CWindowWnd {
public:
    explicit CPlainWnd(const char* className = "SkinUIWindowTestPlain", const char* superName = nullptr)
        : m_pstrClass(className)
        , m_pstrSuper(superName)
    {}
    HWND CreatePopup(HWND owner = nullptr, int cx = 200, int cy = 100)
    {
        return Create(owner, "plain", WS_POPUP, 0, 10, 10, cx, cy);
    }
    bool Saw(UINT uMsg) const { return std::find(messages.begin(), messages.end(), uMsg) != messages.end(); }

    std::vector<UINT> messages;
    std::function<bool(UINT)> hook;
    int finalCount = 0;

protected:
    const char* GetWindowClassName() const override { return m_pstrClass; }
    const char* GetSuperClassName() const override { return m_pstrSuper; }
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override
    {
        messages.push_back(uMsg);
        if (hook && hook(uMsg)) return 0;
        return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
    }
    void OnFinalMessage(HWND) override { ++finalCount; }

private:
    const char* m_pstrClass;
    const char* m_pstrSuper;
};

DWORD WINAPI SendFromThread(LPVOID hWnd)
{
    ::SendMessageA(static_cast<HWND>(hWnd), kRun + 2, 0, 0);
    return 0;
}

} // namespace

TEST(WindowWnd, SuperclassKeepsTheSystemBehaviourAndTheObjectInAProperty)
{
    CPlainWnd edit("SkinUIWindowTestEdit", "Edit");
    const HWND hWnd = edit.CreatePopup(nullptr, 100, 20);
    ASSERT_NE(nullptr, hWnd);
    EXPECT_EQ(&edit, ::GetPropA(hWnd, "WndX"));
    ::SetWindowTextA(hWnd, "typed");
    char text[16] = {};
    ::GetWindowTextA(hWnd, text, sizeof(text));
    EXPECT_STREQ("typed", text);
    EXPECT_TRUE(edit.Saw(WM_SETTEXT));
    ::DestroyWindow(hWnd);
    EXPECT_EQ(1, edit.finalCount);
#ifdef NDEBUG
    CPlainWnd unknown("SkinUIWindowTestNoSuper", "SkinUINoSuchClass");
    EXPECT_EQ(nullptr, unknown.CreatePopup());
    EXPECT_TRUE(unknown.messages.empty());
#endif
}

TEST(WindowWnd, SubclassRoutesAndUnsubclassRestores)
{
    const HWND hStatic =
        ::CreateWindowExA(0, "STATIC", "s", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hStatic);
    const LONG_PTR original = ::GetWindowLongPtrA(hStatic, GWLP_WNDPROC);
    CPlainWnd wnd;
    ASSERT_EQ(hStatic, wnd.Subclass(hStatic));
    ::SendMessageA(hStatic, kRun, 0, 0);
    EXPECT_TRUE(wnd.Saw(kRun));
    wnd.Unsubclass();
    EXPECT_EQ(original, ::GetWindowLongPtrA(hStatic, GWLP_WNDPROC));
    EXPECT_EQ(nullptr, ::GetPropA(hStatic, "WndX"));
    wnd.messages.clear();
    ::SendMessageA(hStatic, kRun, 0, 0);
    ::DestroyWindow(hStatic);
    EXPECT_TRUE(wnd.messages.empty());
    EXPECT_EQ(0, wnd.finalCount);
}

TEST(WindowWndModal, QuitEndsTheLoopForTheOuterLoopAndCloseReturnsItsParameterWithTheOwnerEnabledFirst)
{
    const HWND owner = CreateOwner();
    CPlainWnd dialog;
    ASSERT_NE(nullptr, dialog.CreatePopup(owner));
    CWatchdog dog;
    dialog.hook = [](UINT uMsg) {
        if (uMsg == kRun) ::PostQuitMessage(42);
        return uMsg == kRun;
    };
    dialog.PostMessage(kRun);
    EXPECT_EQ(0u, dialog.ShowModal());
    EXPECT_TRUE(::IsWindow(dialog.GetHWND()));
    EXPECT_TRUE(::IsWindowEnabled(owner));
    int exitCode = -1;
    EXPECT_TRUE(TakeQuit(&exitCode));
    EXPECT_EQ(42, exitCode);

    BOOL enabledDuringLoop = TRUE;
    BOOL enabledAtDestroy = FALSE;
    bool modalSeen = false;
    dialog.hook = [&](UINT uMsg) {
        if (uMsg == WM_DESTROY) enabledAtDestroy = ::IsWindowEnabled(owner);
        if (uMsg != kRun) return false;
        enabledDuringLoop = ::IsWindowEnabled(owner);
        modalSeen = dialog.IsInModalLoop();
        dialog.SendMessage(WM_CLOSE, 7);
        return true;
    };
    dialog.PostMessage(kRun);
    EXPECT_EQ(7u, dialog.ShowModal());
    EXPECT_FALSE(enabledDuringLoop);
    EXPECT_TRUE(modalSeen);
    EXPECT_TRUE(enabledAtDestroy);
    EXPECT_FALSE(dialog.IsInModalLoop());
    EXPECT_FALSE(TakeQuit());
    EXPECT_FALSE(dog.Fired());
    ::DestroyWindow(owner);
}

TEST(WindowWndModal, WindowDestroyedInsideASentMessageEndsTheLoop)
{
    const HWND owner = CreateOwner();
    CPlainWnd dialog;
    ASSERT_NE(nullptr, dialog.CreatePopup(owner));
    HANDLE thread = nullptr;
    dialog.hook = [&](UINT uMsg) {
        if (uMsg == kRun) thread = ::CreateThread(nullptr, 0, SendFromThread, dialog.GetHWND(), 0, nullptr);
        if (uMsg == kRun + 2) ::DestroyWindow(dialog.GetHWND());
        return uMsg == kRun || uMsg == kRun + 2;
    };
    dialog.PostMessage(kRun);
    CWatchdog dog;
    dialog.ShowModal();
    EXPECT_FALSE(dog.Fired());
    EXPECT_EQ(nullptr, dialog.GetHWND());
    ASSERT_NE(nullptr, thread);
    ::WaitForSingleObject(thread, 5000);
    ::CloseHandle(thread);
    Pump();
    ::DestroyWindow(owner);
}

TEST(WindowWndCentre, CentresOnTheOwnerOrTheWorkArea)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoA(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
    const RECT& work = info.rcWork;
    const HWND owner = CreateOwner(100, 100, 400, 300);
    for (HWND hWndOwner : {owner, static_cast<HWND>(nullptr)}) {
        CPlainWnd dialog;
        ASSERT_NE(nullptr, dialog.CreatePopup(hWndOwner, 100, 200));
        dialog.CenterWindow();
        RECT rc = {};
        ::GetWindowRect(dialog.GetHWND(), &rc);
        const RECT& frame = hWndOwner != nullptr ? RECT{100, 100, 500, 400} : work;
        EXPECT_EQ((frame.left + frame.right) / 2 - 50, rc.left);
        EXPECT_EQ((frame.top + frame.bottom) / 2 - 100, rc.top);
        EXPECT_EQ(100, rc.right - rc.left);
        ::DestroyWindow(dialog.GetHWND());
    }
    ::DestroyWindow(owner);
}

#ifdef NDEBUG
TEST(WindowWnd, OperationsOnAGoneWindowDoNothing)
{
    CPlainWnd wnd;
    ASSERT_NE(nullptr, wnd.CreatePopup());
    ::DestroyWindow(wnd.GetHWND());
    wnd.Close(4);
    EXPECT_EQ(0, wnd.PostMessage(kRun + 3));
    EXPECT_EQ(0, wnd.SendMessage(kRun + 3));
    wnd.ShowWindow();
    EXPECT_EQ(0u, wnd.ShowModal());
    MSG msg = {};
    // Nothing was posted to the thread in the window's place.
    EXPECT_FALSE(::PeekMessageA(&msg, nullptr, WM_CLOSE, WM_CLOSE, PM_REMOVE));
    EXPECT_FALSE(::PeekMessageA(&msg, nullptr, kRun + 3, kRun + 3, PM_REMOVE));
}
#endif
