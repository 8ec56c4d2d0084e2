#include "tests/SkinUI/support/TestWindow.h"

namespace SkinUI {

namespace {
const char kClassName[] = "SkinUITestWindow";

const char kHostClassName[] = "SkinUITestHost";

void RegisterOnce(WNDPROC proc)
{
    static bool registered = false;
    if (registered) return;
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    wc.lpszClassName = kClassName;
    registered = ::RegisterClassA(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}
} // namespace

CTestWindow::CTestWindow(int width, int height, HWND parent)
{
    RegisterOnce(&CTestWindow::WndProc);
    const DWORD style = parent != nullptr ? (WS_CHILD | WS_VISIBLE) : (WS_POPUP | WS_VISIBLE);
    m_hWnd = ::CreateWindowExA(0, kClassName, "SkinUI test", style, 10, 10, width, height, parent, nullptr,
                               ::GetModuleHandleA(nullptr), this);
    PumpMessages();
}

CTestWindow::~CTestWindow()
{
    if (m_hWnd != nullptr) ::DestroyWindow(m_hWnd);
    PumpMessages();
}

HWND CTestWindow::GetHWND() const
{
    return m_hWnd;
}

CPaintManagerUI& CTestWindow::GetManager()
{
    return m_manager;
}

LRESULT CTestWindow::Send(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageA(m_hWnd, uMsg, wParam, lParam);
}

void CTestWindow::PumpMessages()
{
    MSG msg = {};
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (CPaintManagerUI::TranslateMessage(&msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

void CTestWindow::Repaint()
{
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
    ::UpdateWindow(m_hWnd);
}

COLORREF CTestWindow::GetPixel(int x, int y) const
{
    HDC dc = ::GetDC(m_hWnd);
    const COLORREF color = ::GetPixel(dc, x, y);
    ::ReleaseDC(m_hWnd, dc);
    return color;
}

COLORREF CTestWindow::PrintPixel(int x, int y)
{
    RECT rc = {};
    ::GetClientRect(m_hWnd, &rc);
    HDC screen = ::GetDC(m_hWnd);
    HDC mem = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, rc.right, rc.bottom);
    HGDIOBJ old = ::SelectObject(mem, bitmap);
    Send(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(mem), PRF_CLIENT);
    const COLORREF color = ::GetPixel(mem, x, y);
    ::SelectObject(mem, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(mem);
    ::ReleaseDC(m_hWnd, screen);
    return color;
}

HWND CTestWindow::Host()
{
    static HWND host = nullptr;
    if (host != nullptr && ::IsWindow(host)) return host;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = kHostClassName;
    ::RegisterClassA(&wc);
    host = ::CreateWindowExA(0, kHostClassName, "SkinUI test host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 640,
                             480, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    return host;
}

LPARAM CTestWindow::Point(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

LRESULT CALLBACK CTestWindow::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<CTestWindow*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    if (uMsg == WM_NCCREATE) {
        self = static_cast<CTestWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->m_hWnd = hWnd;
        self->m_manager.Init(hWnd);
    } else if (uMsg == WM_NCDESTROY && self != nullptr) {
        ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
        self->m_hWnd = nullptr;
        return ::DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
    if (self == nullptr) return ::DefWindowProcA(hWnd, uMsg, wParam, lParam);
    LRESULT result = 0;
    if (self->m_manager.MessageHandler(uMsg, wParam, lParam, result)) return result;
    return ::DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

} // namespace SkinUI
