#include "WindowTestKit.h"
#include "SkinUI/Core/PaintManagerUI.h"

namespace WindowTest {

CTestDialog::CTestDialog(int cx, int cy)
    : WindowImplBase(cx, cy)
{}

HWND CTestDialog::CreateTopLevel(HWND owner, int x, int y)
{
    return Create(owner, "window test", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, x, y, 100, 100);
}

void CTestDialog::OnSkinReady()
{
    ++skinReadyCount;
}

void CTestDialog::OnClickNotify(SkinUI::TNotifyMsg& msg)
{
    ++clickCount;
    lastClickSender = msg.pSender;
}

int CTestDialog::GetSkinSource()
{
    return skinSource;
}

SkinUI::CUIString CTestDialog::GetSkinFile()
{
    return SkinUI::CUIString(skinFile);
}

namespace {

LRESULT CALLBACK OwnerProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

} // namespace

HWND CreateOwner(int x, int y, int cx, int cy)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = OwnerProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "SkinUIWindowTestOwner";
    ::RegisterClassA(&wc);
    return ::CreateWindowExA(0, wc.lpszClassName, "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, cx, cy, nullptr,
                             nullptr, wc.hInstance, nullptr);
}

void Pump()
{
    MSG msg = {};
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (msg.message == WM_QUIT) return;
        ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
        if (SkinUI::CPaintManagerUI::TranslateMessage(&msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

bool TakeQuit(int* exitCode)
{
    MSG msg = {};
    if (!::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return false;
    if (exitCode != nullptr) *exitCode = static_cast<int>(msg.wParam);
    return true;
}

CWatchdog::CWatchdog(DWORD delayMs)
    : m_dwThread(::GetCurrentThreadId())
    , m_dwDelay(delayMs)
    , m_hCancel(::CreateEventA(nullptr, TRUE, FALSE, nullptr))
{
    m_hThread = ::CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

CWatchdog::~CWatchdog()
{
    ::SetEvent(m_hCancel);
    ::WaitForSingleObject(m_hThread, INFINITE);
    ::CloseHandle(m_hThread);
    ::CloseHandle(m_hCancel);
    // A late wake-up must not reach the next test.
    if (Fired()) TakeQuit();
}

bool CWatchdog::Fired() const
{
    return m_nFired != 0;
}

DWORD WINAPI CWatchdog::Run(LPVOID self)
{
    auto* dog = static_cast<CWatchdog*>(self);
    if (::WaitForSingleObject(dog->m_hCancel, dog->m_dwDelay) == WAIT_TIMEOUT) {
        ::InterlockedExchange(&dog->m_nFired, 1);
        ::PostThreadMessageA(dog->m_dwThread, WM_QUIT, 0, 0);
    }
    return 0;
}

} // namespace WindowTest
