#include <gtest/gtest.h>
#include <functional>
#include "SkinUI/Core/WindowWnd.h"
#include "WindowTestKit.h"

using namespace SkinUI;
using namespace WindowTest;

namespace {

const UINT kRun = WM_APP + 1;

// A plain wrapped window; the hook runs first and says whether it handled a message.
class CPlainWnd : public CWindowWnd {
public:
    HWND CreatePopup(HWND owner = nullptr) { return Create(owner, "plain", WS_POPUP, 0, 10, 10, 200, 100); }

    std::function<bool(UINT)> hook;

protected:
    const char* GetWindowClassName() const override { return "SkinUIWindowTestPlain"; }
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override
    {
        if (hook && hook(uMsg)) return 0;
        return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
    }
};

DWORD WINAPI SendFromThread(LPVOID hWnd)
{
    ::SendMessageA(static_cast<HWND>(hWnd), kRun + 2, 0, 0);
    return 0;
}

} // namespace

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
    int exitCode = -1;
    EXPECT_TRUE(TakeQuit(&exitCode));
    EXPECT_EQ(42, exitCode);

    BOOL enabledAtDestroy = FALSE;
    dialog.hook = [&](UINT uMsg) {
        if (uMsg == WM_DESTROY) enabledAtDestroy = ::IsWindowEnabled(owner);
        if (uMsg != kRun) return false;
        dialog.SendMessage(WM_CLOSE, 7);
        return true;
    };
    dialog.PostMessage(kRun);
    EXPECT_EQ(7u, dialog.ShowModal());
    EXPECT_TRUE(enabledAtDestroy);
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
