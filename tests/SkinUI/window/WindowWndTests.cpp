#include <gtest/gtest.h>
#include <functional>
#include <vector>
#include "SkinUI/Core/WindowWnd.h"
#include "WindowTestKit.h"

using namespace SkinUI;
using namespace WindowTest;

namespace {

const UINT kRun = WM_APP + 1;

// A plain wrapped window: every message is recorded, kRun messages run a hook.
class CPlainWnd : public CWindowWnd {
public:
    explicit CPlainWnd(const char* className = "SkinUIWindowTestPlain", const char* superName = nullptr)
        : m_pstrClass(className)
        , m_pstrSuper(superName)
    {}

    HWND CreatePopup(HWND owner = nullptr, int x = 10, int y = 10, int cx = 200, int cy = 100)
    {
        return Create(owner, "plain", WS_POPUP, 0, x, y, cx, cy);
    }

    std::vector<UINT> messages;
    std::function<LRESULT(UINT, WPARAM, LPARAM)> hook;
    HWND finalWindow = nullptr;
    int finalCount = 0;

protected:
    const char* GetWindowClassName() const override { return m_pstrClass; }
    const char* GetSuperClassName() const override { return m_pstrSuper; }

    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override
    {
        messages.push_back(uMsg);
        if (hook) {
            const LRESULT lRes = hook(uMsg, wParam, lParam);
            if (lRes != -1) return lRes;
        }
        return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
    }

    void OnFinalMessage(HWND hWnd) override
    {
        finalWindow = hWnd;
        ++finalCount;
    }

private:
    const char* m_pstrClass;
    const char* m_pstrSuper;
};

bool Saw(const CPlainWnd& wnd, UINT uMsg)
{
    for (UINT m : wnd.messages) {
        if (m == uMsg) return true;
    }
    return false;
}

// Runs fn from a posted message once the modal loop is running.
void PostRun(CPlainWnd& wnd, std::function<void()> fn)
{
    auto previous = wnd.hook;
    wnd.hook = [&wnd, fn, previous](UINT uMsg, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (uMsg == kRun) {
            fn();
            return 0;
        }
        return previous ? previous(uMsg, wParam, lParam) : -1;
    };
    wnd.PostMessage(kRun);
}

} // namespace

TEST(WindowWnd, CreateBindsTheObjectAlsoForARegisteredClassAndDestroyUnbindsIt)
{
    CPlainWnd first;
    CPlainWnd wnd;
    ASSERT_NE(nullptr, first.CreatePopup());
    const HWND hWnd = wnd.CreatePopup();
    ASSERT_NE(nullptr, hWnd);
    EXPECT_EQ(hWnd, wnd.GetHWND());
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(&wnd), ::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    EXPECT_TRUE(Saw(wnd, WM_CREATE));
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512))),
              ::GetClassLongPtrA(hWnd, GCLP_HCURSOR));
    EXPECT_EQ(0u, ::GetClassLongPtrA(hWnd, GCLP_HBRBACKGROUND));
    ::DestroyWindow(hWnd);
    ::DestroyWindow(first.GetHWND());
    EXPECT_EQ(nullptr, wnd.GetHWND());
    EXPECT_EQ(hWnd, wnd.finalWindow);
    EXPECT_EQ(1, wnd.finalCount);
    EXPECT_EQ(1, first.finalCount);
}

TEST(WindowWnd, SuperclassKeepsTheSystemBehaviourAndTheObjectInAProperty)
{
    CPlainWnd edit("SkinUIWindowTestEdit", "Edit");
    const HWND hWnd = edit.Create(nullptr, "", WS_POPUP, 0, 0, 0, 100, 20);
    ASSERT_NE(nullptr, hWnd);
    EXPECT_EQ(&edit, ::GetPropA(hWnd, "WndX"));
    ::SetWindowTextA(hWnd, "typed");
    char text[16] = {};
    ::GetWindowTextA(hWnd, text, sizeof(text));
    EXPECT_STREQ("typed", text);
    EXPECT_TRUE(Saw(edit, WM_SETTEXT));
    ::DestroyWindow(hWnd);
    EXPECT_EQ(1, edit.finalCount);
}

#ifdef NDEBUG
TEST(WindowWnd, UnknownSuperclassCreatesNoWindow)
{
    CPlainWnd wnd("SkinUIWindowTestNoSuper", "SkinUINoSuchClass");
    EXPECT_EQ(nullptr, wnd.CreatePopup());
    EXPECT_TRUE(wnd.messages.empty());
}
#endif

TEST(WindowWnd, SubclassRoutesAndUnsubclassRestores)
{
    const HWND hStatic = ::CreateWindowExA(0, "STATIC", "s", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr,
                                           ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, hStatic);
    const LONG_PTR original = ::GetWindowLongPtrA(hStatic, GWLP_WNDPROC);
    CPlainWnd wnd;
    ASSERT_EQ(hStatic, wnd.Subclass(hStatic));
    ::SendMessageA(hStatic, kRun + 9, 0, 0);
    EXPECT_TRUE(Saw(wnd, kRun + 9));
    wnd.Unsubclass();
    EXPECT_EQ(original, ::GetWindowLongPtrA(hStatic, GWLP_WNDPROC));
    EXPECT_EQ(nullptr, ::GetPropA(hStatic, "WndX"));
    wnd.messages.clear();
    ::SendMessageA(hStatic, kRun + 9, 0, 0);
    ::DestroyWindow(hStatic);
    EXPECT_TRUE(wnd.messages.empty());
    EXPECT_EQ(0, wnd.finalCount);
}

TEST(WindowWnd, ClosePostsCloseWithTheResult)
{
    CPlainWnd wnd;
    ASSERT_NE(nullptr, wnd.CreatePopup());
    WPARAM seen = 0;
    wnd.hook = [&seen](UINT uMsg, WPARAM wParam, LPARAM) -> LRESULT {
        if (uMsg == WM_CLOSE) seen = wParam;
        return -1;
    };
    wnd.Close();
    EXPECT_TRUE(::IsWindow(wnd.GetHWND()));
    Pump();
    EXPECT_EQ(1u, seen);
    EXPECT_EQ(nullptr, wnd.GetHWND());
}

namespace {

// A popup owned by a plain window, and its modal loop run under a watchdog.
class WindowWndModal : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(nullptr, dialog.CreatePopup(owner)); }
    void TearDown() override
    {
        if (dialog.GetHWND() != nullptr) ::DestroyWindow(dialog.GetHWND());
        ::DestroyWindow(owner);
    }
    UINT RunModal()
    {
        CWatchdog dog(5000);
        const UINT result = dialog.ShowModal();
        EXPECT_FALSE(dog.Fired());
        return result;
    }

    HWND owner = CreateOwner();
    CPlainWnd dialog;
};

DWORD WINAPI SendFromThread(LPVOID hWnd)
{
    ::SendMessageA(static_cast<HWND>(hWnd), kRun + 2, 0, 0);
    return 0;
}

} // namespace

TEST_F(WindowWndModal, ReturnsTheCloseParameterAndEnablesTheOwnerBeforeTheWindowGoes)
{
    BOOL ownerEnabledDuringLoop = TRUE;
    BOOL ownerEnabledAtDestroy = FALSE;
    bool modalSeen = false;
    dialog.hook = [&](UINT uMsg, WPARAM, LPARAM) -> LRESULT {
        if (uMsg == WM_DESTROY) ownerEnabledAtDestroy = ::IsWindowEnabled(owner);
        return -1;
    };
    PostRun(dialog, [&] {
        ownerEnabledDuringLoop = ::IsWindowEnabled(owner);
        modalSeen = dialog.IsInModalLoop();
        dialog.SendMessage(WM_CLOSE, 7);
    });
    EXPECT_EQ(7u, RunModal());
    EXPECT_FALSE(ownerEnabledDuringLoop);
    EXPECT_TRUE(modalSeen);
    EXPECT_TRUE(ownerEnabledAtDestroy);
    EXPECT_FALSE(dialog.IsInModalLoop());
    EXPECT_FALSE(TakeQuit());
}

TEST_F(WindowWndModal, QuitEndsTheLoopAndIsPostedAgainForTheOuterLoop)
{
    PostRun(dialog, [] { ::PostQuitMessage(42); });
    EXPECT_EQ(0u, RunModal());
    EXPECT_TRUE(::IsWindow(dialog.GetHWND()));
    EXPECT_TRUE(::IsWindowEnabled(owner));
    int exitCode = -1;
    EXPECT_TRUE(TakeQuit(&exitCode));
    EXPECT_EQ(42, exitCode);
}

TEST_F(WindowWndModal, WindowDestroyedInsideASentMessageEndsTheLoop)
{
    HANDLE thread = nullptr;
    dialog.hook = [&](UINT uMsg, WPARAM, LPARAM) -> LRESULT {
        if (uMsg != kRun + 2) return -1;
        ::DestroyWindow(dialog.GetHWND());
        return 0;
    };
    PostRun(dialog, [&] { thread = ::CreateThread(nullptr, 0, SendFromThread, dialog.GetHWND(), 0, nullptr); });
    RunModal();
    EXPECT_EQ(nullptr, dialog.GetHWND());
    ASSERT_NE(nullptr, thread);
    ::WaitForSingleObject(thread, 5000);
    ::CloseHandle(thread);
    Pump();
}

TEST(WindowWndCentre, CentresOnTheOwnerOrTheWorkAreaAndClampsToIt)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoA(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
    const RECT& work = info.rcWork;
    struct TCase {
        bool owned;
        POINT ownerAt;
        POINT expected;
    };
    const TCase cases[] = {
        {true, {100, 100}, {250, 150}},
        {false, {0, 0}, {(work.left + work.right) / 2 - 50, (work.top + work.bottom) / 2 - 100}},
        {true, {work.right - 100, work.bottom - 50}, {work.right - 100, work.bottom - 200}},
    };
    for (const TCase& c : cases) {
        const HWND owner = c.owned ? CreateOwner(c.ownerAt.x, c.ownerAt.y, 400, 300) : nullptr;
        CPlainWnd dialog;
        ASSERT_NE(nullptr, dialog.CreatePopup(owner, 5, 5, 100, 200));
        dialog.CenterWindow();
        RECT rc = {};
        ::GetWindowRect(dialog.GetHWND(), &rc);
        EXPECT_EQ(c.expected.x, rc.left) << c.ownerAt.x;
        EXPECT_EQ(c.expected.y, rc.top) << c.ownerAt.x;
        EXPECT_EQ(100, rc.right - rc.left);
        ::DestroyWindow(dialog.GetHWND());
        if (owner != nullptr) ::DestroyWindow(owner);
    }
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
