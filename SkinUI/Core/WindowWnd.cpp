#include "SkinUI/Core/WindowWnd.h"
#include <cassert>
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/WindowGeometry.h"
#include "SkinUI/Utils/GbkText.h"
#include "SkinUI/Utils/UIRectWin.h"

namespace SkinUI {

namespace {

const wchar_t kControlProp[] = L"WndX";

bool RegisteredOrExists(bool registered)
{
    const bool ok = registered || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    assert(ok && "ret!=0 || ::GetLastError()==1410L");
    return ok;
}

} // namespace

HWND CWindowWnd::GetHWND() const
{
    return m_hWnd;
}

CWindowWnd::operator HWND() const
{
    return m_hWnd;
}

const char* CWindowWnd::GetSuperClassName() const
{
    return nullptr;
}

UINT CWindowWnd::GetClassStyle() const
{
    return 0;
}

LRESULT CWindowWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return ::CallWindowProcW(m_OldWndProc, m_hWnd, uMsg, wParam, lParam);
}

void CWindowWnd::OnFinalMessage(HWND /*hWnd*/) {}

bool CWindowWnd::RegisterWindowClass()
{
    const std::wstring name = CGbkText::ToWide(GetWindowClassName());
    WNDCLASSW wc = {};
    wc.style = GetClassStyle();
    wc.lpfnWndProc = ObjectProc;
    wc.hInstance = CPaintManagerUI::GetInstance();
    wc.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.lpszClassName = name.c_str();
    return RegisteredOrExists(::RegisterClassW(&wc) != 0);
}

bool CWindowWnd::RegisterSuperclass()
{
    const std::wstring superName = CGbkText::ToWide(GetSuperClassName());
    const std::wstring name = CGbkText::ToWide(GetWindowClassName());
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    const HINSTANCE hInstance = CPaintManagerUI::GetInstance();
    if (!::GetClassInfoExW(nullptr, superName.c_str(), &wc) && !::GetClassInfoExW(hInstance, superName.c_str(), &wc)) {
        assert(!"Unable to locate window class");
        return false;
    }
    m_OldWndProc = wc.lpfnWndProc;
    wc.lpfnWndProc = ControlProc;
    wc.hInstance = hInstance;
    wc.lpszClassName = name.c_str();
    return RegisteredOrExists(::RegisterClassExW(&wc) != 0);
}

HWND CWindowWnd::Create(HWND hwndParent, const char* pstrName, DWORD dwStyle, DWORD dwExStyle, const RECT& rc)
{
    return Create(hwndParent, pstrName, dwStyle, dwExStyle, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
}

HWND CWindowWnd::Create(HWND hwndParent, const char* pstrName, DWORD dwStyle, DWORD dwExStyle, int x, int y, int cx,
                        int cy)
{
    const bool registered = GetSuperClassName() != nullptr ? RegisterSuperclass() : RegisterWindowClass();
    if (!registered) return nullptr;
    // Wide windows, so that titles and typed text are not limited to the system's code page.
    const std::wstring className = CGbkText::ToWide(GetWindowClassName());
    const std::wstring title = CGbkText::ToWide(pstrName);
    m_hWnd = ::CreateWindowExW(dwExStyle, className.c_str(), pstrName != nullptr ? title.c_str() : nullptr, dwStyle, x,
                               y, cx, cy, hwndParent, nullptr, CPaintManagerUI::GetInstance(), this);
    assert(m_hWnd != nullptr && "m_hWnd!=0");
    return m_hWnd;
}

HWND CWindowWnd::Subclass(HWND hWnd)
{
    assert(::IsWindow(hWnd) && !m_bSubclassed);
    if (!::IsWindow(hWnd) || m_bSubclassed) return nullptr;
    ::SetPropW(hWnd, kControlProp, this);
    m_OldWndProc =
        reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlProc)));
    m_bSubclassed = true;
    m_hWnd = hWnd;
    return m_hWnd;
}

void CWindowWnd::Unsubclass()
{
    assert(::IsWindow(m_hWnd));
    if (!::IsWindow(m_hWnd) || !m_bSubclassed) return;
    ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_OldWndProc));
    ::RemovePropW(m_hWnd, kControlProp);
    m_OldWndProc = ::DefWindowProcW;
    m_bSubclassed = false;
}

void CWindowWnd::ShowWindow()
{
    assert(::IsWindow(m_hWnd));
    if (!::IsWindow(m_hWnd)) return;
    ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
}

bool CWindowWnd::IsInModalLoop() const
{
    return m_bModal;
}

UINT CWindowWnd::ShowModal()
{
    assert(::IsWindow(m_hWnd) && !m_bModal);
    if (!::IsWindow(m_hWnd) || m_bModal) return 0;
    const HWND hWnd = m_hWnd;
    m_bModal = true;
    m_nModalResult = 0;
    m_hWndModalOwner = ::GetWindow(hWnd, GW_OWNER);
    ::ShowWindow(hWnd, SW_SHOWNORMAL);
    EnableModalOwner(false);
    MSG msg = {};
    bool quit = false;
    while (::IsWindow(hWnd)) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) quit = true;
        if (got <= 0) break;
        if (CPaintManagerUI::TranslateMessage(&msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    EnableModalOwner(true);
    m_hWndModalOwner = nullptr;
    m_bModal = false;
    if (quit) ::PostQuitMessage(static_cast<int>(msg.wParam));
    return m_nModalResult;
}

void CWindowWnd::Close(UINT nRet)
{
    assert(::IsWindow(m_hWnd));
    if (!::IsWindow(m_hWnd)) return;
    PostMessage(WM_CLOSE, nRet, 0);
}

void CWindowWnd::CenterWindow()
{
    assert(::IsWindow(m_hWnd));
    assert((::GetWindowLongA(m_hWnd, GWL_STYLE) & WS_CHILD) == 0);
    if (!::IsWindow(m_hWnd) || (::GetWindowLongA(m_hWnd, GWL_STYLE) & WS_CHILD) != 0) return;
    RECT rcWindow = {};
    ::GetWindowRect(m_hWnd, &rcWindow);
    const HWND hWndOwner = ::GetWindow(m_hWnd, GW_OWNER);
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoA(::MonitorFromWindow(hWndOwner != nullptr ? hWndOwner : m_hWnd, MONITOR_DEFAULTTONEAREST), &info);
    RECT rcFrame = info.rcWork;
    if (hWndOwner != nullptr) ::GetWindowRect(hWndOwner, &rcFrame);
    const CUIPoint pt = WindowCentrePosition(ToUIRect(rcWindow), ToUIRect(rcFrame), ToUIRect(info.rcWork));
    ::SetWindowPos(m_hWnd, nullptr, pt.x, pt.y, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CWindowWnd::SendMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    assert(::IsWindow(m_hWnd));
    if (!::IsWindow(m_hWnd)) return 0;
    return ::SendMessageW(m_hWnd, uMsg, wParam, lParam);
}

LRESULT CWindowWnd::PostMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    assert(::IsWindow(m_hWnd));
    if (!::IsWindow(m_hWnd)) return 0;
    return ::PostMessageW(m_hWnd, uMsg, wParam, lParam);
}

void CWindowWnd::EnableModalOwner(bool enable)
{
    if (m_hWndModalOwner == nullptr) return;
    ::EnableWindow(m_hWndModalOwner, enable ? TRUE : FALSE);
    if (enable) ::SetFocus(m_hWndModalOwner);
}

// While a modal loop runs, the owner is given back before the window can go away, and a
// window that goes away wakes the loop so it can end even when no other message comes.
LRESULT CWindowWnd::RouteModal(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    const HWND hWnd = m_hWnd;
    if (uMsg == WM_DESTROY) {
        EnableModalOwner(true);
        ::PostMessageA(nullptr, WM_NULL, 0, 0);
        return HandleMessage(uMsg, wParam, lParam);
    }
    m_nModalResult = static_cast<UINT>(wParam);
    EnableModalOwner(true);
    const LRESULT lRes = HandleMessage(uMsg, wParam, lParam);
    if (::IsWindow(hWnd) && m_hWnd == hWnd && m_bModal) {
        EnableModalOwner(false);
        ::SetFocus(hWnd);
    }
    return lRes;
}

LRESULT CWindowWnd::Route(CWindowWnd* pThis, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (pThis == nullptr) return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
    if (pThis->m_bModal && (uMsg == WM_CLOSE || uMsg == WM_DESTROY)) {
        return pThis->RouteModal(uMsg, wParam, lParam);
    }
    return pThis->HandleMessage(uMsg, wParam, lParam);
}

void CWindowWnd::Unbind(HWND hWnd)
{
    if (m_bSubclassed) Unsubclass();
    m_hWnd = nullptr;
    OnFinalMessage(hWnd);
}

LRESULT CALLBACK CWindowWnd::ObjectProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    CWindowWnd* pThis = nullptr;
    if (uMsg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<LPCREATESTRUCTW>(lParam);
        pThis = static_cast<CWindowWnd*>(cs->lpCreateParams);
        if (pThis != nullptr) {
            pThis->m_hWnd = hWnd;
            ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pThis));
        }
    } else {
        pThis = reinterpret_cast<CWindowWnd*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
        if (uMsg == WM_NCDESTROY && pThis != nullptr) {
            const LRESULT lRes = ::CallWindowProcW(pThis->m_OldWndProc, hWnd, uMsg, wParam, lParam);
            ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, 0);
            pThis->Unbind(hWnd);
            return lRes;
        }
    }
    return Route(pThis, hWnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK CWindowWnd::ControlProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    CWindowWnd* pThis = nullptr;
    if (uMsg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<LPCREATESTRUCTW>(lParam);
        pThis = static_cast<CWindowWnd*>(cs->lpCreateParams);
        if (pThis != nullptr) {
            pThis->m_hWnd = hWnd;
            ::SetPropW(hWnd, kControlProp, pThis);
        }
    } else {
        pThis = static_cast<CWindowWnd*>(::GetPropW(hWnd, kControlProp));
        if (uMsg == WM_NCDESTROY && pThis != nullptr) {
            const LRESULT lRes = ::CallWindowProcW(pThis->m_OldWndProc, hWnd, uMsg, wParam, lParam);
            ::RemovePropW(hWnd, kControlProp);
            pThis->Unbind(hWnd);
            return lRes;
        }
    }
    return Route(pThis, hWnd, uMsg, wParam, lParam);
}

} // namespace SkinUI
