#pragma once
#include <windows.h>
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Utils/WindowImplBase.h"

namespace WindowTest {

// A skinned window that counts what reaches its hooks.
class CTestDialog : public SkinUI::WindowImplBase {
public:
    explicit CTestDialog(int cx = 300, int cy = 200)
        : WindowImplBase(cx, cy)
    {}
    HWND CreateTopLevel(HWND owner = nullptr, int x = 40, int y = 40)
    {
        return Create(owner, "window test", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, x, y, 100, 100);
    }

    int skinSource = SkinUI::kSkinSourceBuiltIn;
    const char* skinFile = "";
    int skinReadyCount = 0;
    int clickCount = 0;
    SkinUI::CControlUI* lastClickSender = nullptr;

protected:
    void OnSkinReady() override { ++skinReadyCount; }
    void OnClickNotify(SkinUI::TNotifyMsg& msg) override
    {
        ++clickCount;
        lastClickSender = msg.pSender;
    }
    int GetSkinSource() override { return skinSource; }
    SkinUI::CUIString GetSkinFile() override { return SkinUI::CUIString(skinFile); }
};

// A plain owner window for modal tests.
inline HWND CreateOwner(int x = 100, int y = 100, int cx = 400, int cy = 300)
{
    return ::CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, cx, cy, nullptr, nullptr,
                             nullptr, nullptr);
}

// Dispatches what is queued, without waiting.
inline void Pump()
{
    MSG msg = {};
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT) {
        ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
        if (SkinUI::CPaintManagerUI::TranslateMessage(&msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// Removes a queued quit message; true with its exit code when there was one.
inline bool TakeQuit(int* exitCode = nullptr)
{
    MSG msg = {};
    if (!::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return false;
    if (exitCode != nullptr) *exitCode = static_cast<int>(msg.wParam);
    return true;
}

// Wakes a message loop that should have ended by itself: after 5 s a thread timer posts a quit.
class CWatchdog {
public:
    CWatchdog() { s_fired = false; }
    ~CWatchdog()
    {
        ::KillTimer(nullptr, m_id);
        // A late wake-up must not reach the next test.
        if (s_fired) TakeQuit();
    }
    CWatchdog(const CWatchdog&) = delete;
    CWatchdog& operator=(const CWatchdog&) = delete;
    bool Fired() const { return s_fired; }

private:
    static void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD)
    {
        ::KillTimer(nullptr, id);
        s_fired = true;
        ::PostQuitMessage(0);
    }
    static inline bool s_fired = false;
    UINT_PTR m_id = ::SetTimer(nullptr, 0, 5000, Fire);
};

} // namespace WindowTest
