#include "tests/SkinUI/support/TestWindow.h"
#include "tests/SkinUI/support/PixelSurface.h"

namespace SkinUI {

namespace {

const char* RegisterOnce(const char* name, WNDPROC proc, UINT style)
{
    WNDCLASSA wc = {};
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    wc.lpszClassName = name;
    ::RegisterClassA(&wc);
    return name;
}

} // namespace

CTestWindow::CTestWindow(int width, int height, HWND parent)
{
    static const char* className = RegisterOnce("SkinUITestWindow", &CTestWindow::WndProc, CS_DBLCLKS);
    const DWORD style = parent != nullptr ? (WS_CHILD | WS_VISIBLE) : (WS_POPUP | WS_VISIBLE);
    m_hWnd = ::CreateWindowExA(0, className, "SkinUI test", style, 10, 10, width, height, parent, nullptr,
                               ::GetModuleHandleA(nullptr), this);
    PumpMessages();
}

CTestWindow::~CTestWindow()
{
    if (m_hWnd != nullptr) ::DestroyWindow(m_hWnd);
    PumpMessages();
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
    CPixelSurface surface(rc.right, rc.bottom);
    Send(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.dc()), PRF_CLIENT);
    const uint32_t rgb = surface.At(x, y);
    return RGB(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

HWND CTestWindow::Host()
{
    static HWND host = nullptr;
    if (host != nullptr && ::IsWindow(host)) return host;
    static const char* className = RegisterOnce("SkinUITestHost", ::DefWindowProcA, 0);
    host = ::CreateWindowExA(0, className, "SkinUI test host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 640, 480,
                             nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    return host;
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
        self = nullptr;
    }
    LRESULT result = 0;
    if (self != nullptr && self->m_manager.MessageHandler(uMsg, wParam, lParam, result)) return result;
    return ::DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

} // namespace SkinUI
