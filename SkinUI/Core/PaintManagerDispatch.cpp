#include "SkinUI/Core/PaintManagerUI.h"
#include <windowsx.h>
#include <cassert>
#include <cstdio>
#include <cstring>
#include "SkinUI/Control/RichEditUI.h"
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Core/ManagerKeyState.h"
#include "SkinUI/Core/ManagerShortcutSearch.h"
#include "SkinUI/Core/TabSearch.h"
#include "SkinUI/Utils/GbkText.h"

// Events and dispatch: messages, focus, capture, timers, listeners and notifications.
namespace SkinUI {

namespace {

const UINT kDpiChangedMsg = 0x02E0;
const UINT kReflectOffset = 0x2000;
const UINT kDefaultHoverTime = 400;

POINT PointOf(LPARAM lParam)
{
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

// Copies the list so a listener may remove itself or another one during the walk;
// a removed listener is not called any more.
template <typename TListener, typename TCall> bool EachListener(const CPtrArrayUI& live, TCall call)
{
    const CPtrArrayUI snapshot(live);
    for (int i = 0; i < snapshot.GetSize(); ++i) {
        if (live.Find(snapshot[i]) < 0) continue;
        if (call(static_cast<TListener*>(snapshot[i]))) return true;
    }
    return false;
}

} // namespace

// Nests with every message handled, so that controls queued for deletion outlive
// any handler still running for them (a nested message loop may dispatch 0x8001).
class CPaintManagerUI::CDispatchScope {
public:
    explicit CDispatchScope(CPaintManagerUI& manager)
        : m_manager(manager)
    {
        ++m_manager.m_nDispatchDepth;
    }
    ~CDispatchScope()
    {
        if (--m_manager.m_nDispatchDepth == 0 && m_manager.m_bCleanupPending) m_manager.DeleteDelayedControls();
    }
    CDispatchScope(const CDispatchScope&) = delete;
    CDispatchScope& operator=(const CDispatchScope&) = delete;

private:
    CPaintManagerUI& m_manager;
};

void CPaintManagerUI::ReleaseTimers()
{
    const bool windowAlive = m_hWndPaint != nullptr && ::IsWindow(m_hWndPaint);
    for (int i = 0; i < m_Timers.GetSize(); ++i) {
        const TTimerInfo* info = m_Timers.GetAt(i);
        if (info->hWnd == m_hWndPaint && !info->bKilled && windowAlive) ::KillTimer(info->hWnd, info->uWinTimer);
    }
    m_Timers.Clear();
}

void CPaintManagerUI::DropFocus(CControlUI* pNewFocus)
{
    CControlUI* old = m_pFocus;
    if (old == nullptr) return;
    TEventMsg event;
    event.Type = UIEVENT_KILLFOCUS;
    event.pSender = pNewFocus;
    event.dwTimestamp = ::GetTickCount();
    old->Event(event);
    if (m_pFocus == old) SendNotify(old, "killfocus");
    if (m_pFocus == old) m_pFocus = nullptr;
}

void CPaintManagerUI::SetFocus(CControlUI* pControl)
{
    if (pControl == m_pFocus) return;
    if (::GetFocus() != m_hWndPaint) ::SetFocus(m_hWndPaint);
    DropFocus(pControl);
    if (pControl != nullptr && pControl->GetManager() == this && pControl->IsVisible() && pControl->IsEnabled()) {
        m_pFocus = pControl;
        DeliverEvent(pControl, UIEVENT_SETFOCUS, POINT{0, 0});
        if (m_pFocus == pControl) SendNotify(pControl, "setfocus");
    }
}

void CPaintManagerUI::SetFocusNeeded(CControlUI* pControl)
{
    ::SetFocus(m_hWndPaint);
    if (pControl == nullptr) return;
    DropFocus(pControl);
    CTabSearch search(pControl, false);
    m_pFocus = search.Run(m_pRoot);
    m_bFocusNeeded = true;
    if (m_pRoot != nullptr) m_pRoot->NeedUpdate();
}

bool CPaintManagerUI::SetNextTabControl(bool forward)
{
    if (m_bUpdateNeeded && forward) {
        m_bFocusNeeded = true;
        ::InvalidateRect(m_hWndPaint, nullptr, FALSE);
        return true;
    }
    CTabSearch search(m_pFocus, forward);
    CControlUI* found = search.Run(m_pRoot);
    if (found == nullptr) {
        if (forward) {
            CTabSearch wrap(nullptr, true);
            found = wrap.Run(m_pRoot);
        } else {
            found = search.GetLastTabStop();
        }
    }
    m_bFocusNeeded = false;
    if (found == nullptr) return false;
    SetFocus(found);
    return true;
}

void CPaintManagerUI::SetCapture()
{
    ::SetCapture(m_hWndPaint);
    m_bMouseCapture = true;
}

void CPaintManagerUI::ReleaseCapture()
{
    ::ReleaseCapture();
    m_bMouseCapture = false;
}

bool CPaintManagerUI::SetTimer(CControlUI* pControl, UINT nTimerID, UINT uElapse)
{
    assert(pControl != nullptr);
    assert(uElapse > 0);
    if (pControl == nullptr || uElapse == 0 || m_hWndPaint == nullptr) return false;
    TTimerInfo* info = m_Timers.Find(pControl, m_hWndPaint, nTimerID);
    if (info != nullptr) {
        if (!info->bKilled || ::SetTimer(m_hWndPaint, info->uWinTimer, uElapse, nullptr) == 0) return false;
        info->bKilled = false;
        return true;
    }
    const UINT winTimer = m_Timers.NextWinTimerId(m_hWndPaint);
    if (winTimer == 0 || ::SetTimer(m_hWndPaint, winTimer, uElapse, nullptr) == 0) return false;
    if (m_Timers.Add(pControl, nTimerID, m_hWndPaint, winTimer) == nullptr) {
        ::KillTimer(m_hWndPaint, winTimer);
        return false;
    }
    return true;
}

bool CPaintManagerUI::KillTimer(CControlUI* pControl, UINT nTimerID)
{
    assert(pControl != nullptr);
    TTimerInfo* info = m_Timers.Find(pControl, m_hWndPaint, nTimerID);
    if (info == nullptr || info->bKilled) return false;
    if (::IsWindow(m_hWndPaint)) ::KillTimer(info->hWnd, info->uWinTimer);
    info->bKilled = true;
    return true;
}

void CPaintManagerUI::KillTimer(CControlUI* pControl)
{
    for (int i = m_Timers.GetSize() - 1; i >= 0; --i) {
        const TTimerInfo* info = m_Timers.GetAt(i);
        if (info->pSender != pControl || info->hWnd != m_hWndPaint) continue;
        if (!info->bKilled && ::IsWindow(m_hWndPaint)) ::KillTimer(info->hWnd, info->uWinTimer);
        m_Timers.RemoveAt(i);
    }
}

bool CPaintManagerUI::AddNotifier(INotifyUI* pNotifier)
{
    assert(m_aNotifiers.Find(pNotifier) < 0);
    return pNotifier != nullptr && m_aNotifiers.Find(pNotifier) < 0 && m_aNotifiers.Add(pNotifier);
}

bool CPaintManagerUI::RemoveNotifier(INotifyUI* pNotifier)
{
    return RemoveItem(m_aNotifiers, pNotifier);
}

bool CPaintManagerUI::AddPreMessageFilter(IMessageFilterUI* pFilter)
{
    assert(m_aPreMessageFilters.Find(pFilter) < 0);
    return pFilter != nullptr && m_aPreMessageFilters.Find(pFilter) < 0 && m_aPreMessageFilters.Add(pFilter);
}

bool CPaintManagerUI::RemovePreMessageFilter(IMessageFilterUI* pFilter)
{
    return RemoveItem(m_aPreMessageFilters, pFilter);
}

bool CPaintManagerUI::AddMessageFilter(IMessageFilterUI* pFilter)
{
    assert(m_aMessageFilters.Find(pFilter) < 0);
    return pFilter != nullptr && m_aMessageFilters.Find(pFilter) < 0 && m_aMessageFilters.Add(pFilter);
}

bool CPaintManagerUI::RemoveMessageFilter(IMessageFilterUI* pFilter)
{
    return RemoveItem(m_aMessageFilters, pFilter);
}

void CPaintManagerUI::SendNotify(CControlUI* pControl, const char* type, WPARAM wParam, LPARAM lParam)
{
    TNotifyMsg msg;
    msg.pSender = pControl;
    msg.sType = type != nullptr ? type : "";
    msg.wParam = wParam;
    msg.lParam = lParam;
    SendNotify(msg);
}

void CPaintManagerUI::SendNotify(TNotifyMsg& msg)
{
    msg.ptMouse = m_ptLastMousePos;
    msg.dwTimestamp = ::GetTickCount();
    if (m_bUsedVirtualWnd && msg.pSender != nullptr) msg.sVirtualWnd = msg.pSender->GetVirtualWnd();
    if (msg.pSender != nullptr && !msg.pSender->OnNotify.IsEmpty()) msg.pSender->OnNotify.Invoke(&msg);
    EachListener<INotifyUI>(m_aNotifiers, [&msg](INotifyUI* notifier) {
        notifier->Notify(msg);
        return false;
    });
}

void CPaintManagerUI::DeliverEvent(CControlUI* pControl, int type, POINT pt, WPARAM wParam, LPARAM lParam,
                                   WORD keyState, char key)
{
    TEventMsg event;
    event.Type = type;
    event.pSender = pControl;
    event.dwTimestamp = ::GetTickCount();
    event.ptMouse = pt;
    event.chKey = key;
    event.wKeyState = keyState;
    event.wParam = wParam;
    event.lParam = lParam;
    pControl->Event(event);
}

bool CPaintManagerUI::RunMessageFilters(const CPtrArrayUI& filters, UINT uMsg, WPARAM wParam, LPARAM lParam,
                                        LRESULT& lRes)
{
    return EachListener<IMessageFilterUI>(filters, [&](IMessageFilterUI* filter) {
        bool handled = false;
        const LRESULT result = filter->MessageHandler(uMsg, wParam, lParam, handled);
        if (handled) lRes = result;
        return handled;
    });
}

bool CPaintManagerUI::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes)
{
    if (m_hWndPaint == nullptr) return false;
    CDispatchScope scope(*this);
    if (RunMessageFilters(m_aMessageFilters, uMsg, wParam, lParam, lRes)) return true;
    switch (uMsg) {
    case WM_CLOSE:
        OnClose();
        return false;
    case WM_ERASEBKGND:
        lRes = 1;
        return true;
    case WM_PAINT:
        OnPaint();
        return true;
    case WM_PRINTCLIENT:
        OnPrintClient(reinterpret_cast<HDC>(wParam), lParam);
        return false;
    case WM_GETMINMAXINFO:
        OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
        return false;
    case WM_SIZE:
        OnSize();
        return true;
    case WM_TIMER:
        OnTimer(wParam);
        return false;
    case WM_MOUSEMOVE:
        OnMouseMove(PointOf(lParam));
        return false;
    case WM_MOUSEHOVER:
        return OnMouseHover(PointOf(lParam));
    case WM_MOUSELEAVE:
        OnMouseLeave();
        return false;
    case WM_LBUTTONDOWN:
        OnButtonDown(UIEVENT_BUTTONDOWN, PointOf(lParam), wParam, lParam);
        return false;
    case WM_LBUTTONDBLCLK:
        OnButtonDown(UIEVENT_DBLCLICK, PointOf(lParam), wParam, lParam);
        return false;
    case WM_RBUTTONDOWN:
        OnButtonDown(UIEVENT_RBUTTONDOWN, PointOf(lParam), wParam, lParam);
        return false;
    case WM_LBUTTONUP:
        OnButtonUp(PointOf(lParam), wParam, lParam);
        return false;
    case WM_CONTEXTMENU:
        OnContextMenu(wParam, lParam);
        return false;
    case WM_MOUSEWHEEL:
        OnMouseWheel(wParam, lParam);
        return false;
    case WM_SETCURSOR:
        return OnSetCursor(wParam, lParam);
    case WM_KEYDOWN:
        OnKeyDown(wParam);
        return false;
    case WM_KEYUP:
        OnKeyUp(wParam);
        return false;
    case WM_CHAR:
        OnChar(wParam);
        return false;
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        if (lParam == 0) return false;
        lRes = ::SendMessageW(reinterpret_cast<HWND>(lParam), uMsg + kReflectOffset, wParam, lParam);
        return true;
    case WM_NOTIFY:
        if (lParam != 0) {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            lRes = ::SendMessageW(header->hwndFrom, uMsg + kReflectOffset, wParam, lParam);
        }
        return true;
    case kDpiChangedMsg:
        OnDpiChanged(LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        lRes = 0;
        return true;
    case kDelayedCleanupMsg:
        // Deferred to the end of the outermost message when a handler is still running.
        m_bCleanupPending = true;
        return false;
    default:
        return false;
    }
}

void CPaintManagerUI::OnClose()
{
    if (m_pEventHover != nullptr) {
        CControlUI* hover = m_pEventHover;
        m_pEventHover = nullptr;
        DeliverEvent(hover, UIEVENT_MOUSELEAVE, m_ptLastMousePos);
    }
    if (m_pEventClick != nullptr) {
        CControlUI* click = m_pEventClick;
        m_pEventClick = nullptr;
        DeliverEvent(click, UIEVENT_BUTTONUP, m_ptLastMousePos);
    }
    SetFocus(nullptr);
    HWND owner = ::GetWindow(m_hWndPaint, GW_OWNER);
    if (owner != nullptr) ::SetFocus(owner);
}

// The window moved to a monitor of another DPI: the skin is scaled again, and the window
// takes the place the system suggests for it.
void CPaintManagerUI::OnDpiChanged(int dpi, const RECT* suggested)
{
    SetDpi(dpi);
    if (suggested == nullptr) return;
    ::SetWindowPos(m_hWndPaint, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CPaintManagerUI::OnGetMinMaxInfo(MINMAXINFO* pInfo) const
{
    const CDpiScale& scale = GetDpiScale();
    if (m_szMinWindow.cx > 0) pInfo->ptMinTrackSize.x = scale.Scale(m_szMinWindow.cx);
    if (m_szMinWindow.cy > 0) pInfo->ptMinTrackSize.y = scale.Scale(m_szMinWindow.cy);
    if (m_szMaxWindow.cx > 0) pInfo->ptMaxTrackSize.x = scale.Scale(m_szMaxWindow.cx);
    if (m_szMaxWindow.cy > 0) pInfo->ptMaxTrackSize.y = scale.Scale(m_szMaxWindow.cy);
}

void CPaintManagerUI::OnSize()
{
    if (m_pFocus != nullptr) DeliverEvent(m_pFocus, UIEVENT_WINDOWSIZE, m_ptLastMousePos);
    if (m_pRoot != nullptr) m_pRoot->NeedUpdate();
}

void CPaintManagerUI::OnTimer(WPARAM wParam)
{
    const TTimerInfo* info = m_Timers.FindLive(m_hWndPaint, LOWORD(wParam));
    if (info == nullptr) return;
    DeliverEvent(info->pSender, UIEVENT_TIMER, POINT{0, 0}, info->nLocalID);
}

void CPaintManagerUI::OnMouseMove(POINT pt)
{
    if (!m_bMouseTracking) {
        TRACKMOUSEEVENT tme = {};
        tme.cbSize = sizeof(tme);
        tme.dwFlags = TME_HOVER | TME_LEAVE;
        tme.hwndTrack = m_hWndPaint;
        tme.dwHoverTime = m_hwndTooltip == nullptr
                              ? kDefaultHoverTime
                              : static_cast<DWORD>(::SendMessageA(m_hwndTooltip, TTM_GETDELAYTIME, TTDT_INITIAL, 0));
        ::_TrackMouseEvent(&tme);
        m_bMouseTracking = true;
    }
    m_ptLastMousePos = pt;
    CControlUI* pNew = FindControl(pt);
    if (pNew != nullptr && pNew->GetManager() != this) return;
    if (pNew != m_pEventHover && m_pEventHover != nullptr) {
        CControlUI* old = m_pEventHover;
        m_pEventHover = nullptr;
        DeliverEvent(old, UIEVENT_MOUSELEAVE, pt);
        HideToolTip();
    }
    if (pNew != m_pEventHover && pNew != nullptr) {
        m_pEventHover = pNew;
        DeliverEvent(pNew, UIEVENT_MOUSEENTER, pt);
    }
    if (m_pEventClick != nullptr) {
        DeliverEvent(m_pEventClick, UIEVENT_MOUSEMOVE, pt);
    } else if (pNew != nullptr && pNew == m_pEventHover) {
        DeliverEvent(pNew, UIEVENT_MOUSEMOVE, pt);
    }
}

bool CPaintManagerUI::OnMouseHover(POINT pt)
{
    m_bMouseTracking = false;
    CControlUI* pHover = FindControl(pt);
    if (pHover == nullptr) return false;
    if (m_pEventHover != nullptr) DeliverEvent(m_pEventHover, UIEVENT_MOUSEHOVER, pt);
    ShowToolTip(pHover);
    return true;
}

void CPaintManagerUI::OnMouseLeave()
{
    HideToolTip();
    if (m_bMouseTracking) ::SendMessageA(m_hWndPaint, WM_MOUSEMOVE, 0, static_cast<LPARAM>(-1));
    m_bMouseTracking = false;
}

void CPaintManagerUI::OnButtonDown(int type, POINT pt, WPARAM wParam, LPARAM lParam)
{
    ::SetFocus(m_hWndPaint);
    m_ptLastMousePos = pt;
    CControlUI* pControl = FindControl(pt);
    if (pControl == nullptr || pControl->GetManager() != this) return;
    m_pEventClick = pControl;
    if (type != UIEVENT_DBLCLICK) {
        pControl->SetFocus();
        // The focus change may have removed the control (its click pointer is then cleared).
        if (m_pEventClick != pControl) return;
    }
    SetCapture();
    DeliverEvent(pControl, type, pt, wParam, lParam, LOWORD(wParam));
}

void CPaintManagerUI::OnButtonUp(POINT pt, WPARAM wParam, LPARAM lParam)
{
    m_ptLastMousePos = pt;
    CControlUI* pClick = m_pEventClick;
    if (pClick == nullptr) return;
    m_pEventClick = nullptr;
    ReleaseCapture();
    DeliverEvent(pClick, UIEVENT_BUTTONUP, pt, wParam, lParam, LOWORD(wParam));
}

void CPaintManagerUI::OnContextMenu(WPARAM wParam, LPARAM lParam)
{
    POINT pt = PointOf(lParam);
    ::ScreenToClient(m_hWndPaint, &pt);
    m_ptLastMousePos = pt;
    CControlUI* pClick = m_pEventClick;
    if (pClick == nullptr) return;
    m_pEventClick = nullptr;
    ReleaseCapture();
    DeliverEvent(pClick, UIEVENT_CONTEXTMENU, pt, wParam, reinterpret_cast<LPARAM>(pClick), LOWORD(wParam));
}

void CPaintManagerUI::OnMouseWheel(WPARAM wParam, LPARAM lParam)
{
    POINT pt = PointOf(lParam);
    ::ScreenToClient(m_hWndPaint, &pt);
    m_ptLastMousePos = pt;
    CControlUI* pControl = FindControl(pt);
    if (pControl != nullptr && pControl->GetManager() == this) {
        const int delta = GET_WHEEL_DELTA_WPARAM(wParam);
        DeliverEvent(pControl, UIEVENT_SCROLLWHEEL, pt, delta < 0 ? 1 : 0, lParam, CManagerKeyState::Current());
    }
    ::SendMessageA(m_hWndPaint, WM_MOUSEMOVE, 0, MAKELPARAM(m_ptLastMousePos.x, m_ptLastMousePos.y));
}

bool CPaintManagerUI::OnSetCursor(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(lParam) != HTCLIENT) return false;
    if (m_bMouseCapture) return true;
    POINT pt = {};
    ::GetCursorPos(&pt);
    ::ScreenToClient(m_hWndPaint, &pt);
    CControlUI* pControl = FindControl(pt);
    if (pControl == nullptr || (pControl->GetControlFlags() & UIFLAG_SETCURSOR) == 0) return false;
    DeliverEvent(pControl, UIEVENT_SETCURSOR, pt, wParam, lParam, CManagerKeyState::Current());
    return true;
}

void CPaintManagerUI::OnKeyDown(WPARAM wParam)
{
    if (m_pFocus == nullptr) return;
    m_pEventKey = m_pFocus;
    DeliverEvent(m_pFocus, UIEVENT_KEYDOWN, m_ptLastMousePos, 0, 0, CManagerKeyState::Current(),
                 static_cast<char>(wParam));
}

void CPaintManagerUI::OnKeyUp(WPARAM wParam)
{
    CControlUI* pKey = m_pEventKey;
    if (pKey == nullptr) return;
    m_pEventKey = nullptr;
    DeliverEvent(pKey, UIEVENT_KEYUP, m_ptLastMousePos, 0, 0, CManagerKeyState::Current(), static_cast<char>(wParam));
}

// The window is wide: a character past ASCII is no key the controls know, and cut to
// eight bits it would pass for another one.
void CPaintManagerUI::OnChar(WPARAM wParam)
{
    if (m_pFocus == nullptr) return;
    const char key = wParam < 0x80 ? static_cast<char>(wParam) : 0;
    DeliverEvent(m_pFocus, UIEVENT_CHAR, m_ptLastMousePos, 0, 0, CManagerKeyState::Current(), key);
}

bool CPaintManagerUI::PreMessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes)
{
    CDispatchScope scope(*this);
    if (RunMessageFilters(m_aPreMessageFilters, uMsg, wParam, lParam, lRes)) return true;
    switch (uMsg) {
    case WM_KEYDOWN:
        if (wParam != VK_TAB || FocusWantsTab()) return false;
        SetNextTabControl(::GetKeyState(VK_SHIFT) >= 0);
        return true;
    case WM_SYSKEYDOWN:
        if (m_pFocus != nullptr) {
            DeliverEvent(m_pFocus, UIEVENT_SYSKEY, m_ptLastMousePos, 0, 0, CManagerKeyState::Current(),
                         static_cast<char>(wParam));
        }
        return false;
    case WM_SYSCHAR:
        return OnSysChar(wParam);
    default:
        return false;
    }
}

bool CPaintManagerUI::FocusWantsTab() const
{
    if (m_pFocus == nullptr || !m_pFocus->IsVisible() || !m_pFocus->IsEnabled()) return false;
    const char* pstrClass = m_pFocus->GetClass();
    if (pstrClass == nullptr || std::strstr(pstrClass, "RichEditUI") == nullptr) return false;
    const auto* pRichEdit = static_cast<const CRichEditUI*>(m_pFocus->GetInterface("RichEdit"));
    return pRichEdit != nullptr && pRichEdit->IsWantTab();
}

bool CPaintManagerUI::OnSysChar(WPARAM wParam)
{
    CManagerShortcutSearch search(static_cast<char>(wParam));
    CControlUI* found = search.Run(m_pRoot);
    if (found == nullptr) return false;
    found->SetFocus();
    found->Activate();
    return true;
}

void CPaintManagerUI::ShowToolTip(CControlUI* pControl)
{
    m_sToolTipText = CGbkText::ToWide(pControl->GetToolTip());
    if (m_sToolTipText.empty()) return;
    m_ToolTip = TOOLINFOW();
    m_ToolTip.cbSize = TTTOOLINFOW_V1_SIZE;
    m_ToolTip.uFlags = TTF_IDISHWND;
    m_ToolTip.hwnd = m_hWndPaint;
    m_ToolTip.uId = reinterpret_cast<UINT_PTR>(m_hWndPaint);
    m_ToolTip.hinst = m_hInstance;
    m_ToolTip.lpszText = &m_sToolTipText[0];
    m_ToolTip.rect = pControl->GetPos();
    if (m_hwndTooltip == nullptr) {
        m_hwndTooltip =
            ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWndPaint, nullptr, m_hInstance, nullptr);
        if (m_hwndTooltip == nullptr) return;
        ::SendMessageW(m_hwndTooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&m_ToolTip));
    }
    ::SendMessageW(m_hwndTooltip, TTM_SETMAXTIPWIDTH, 0, GetDpiScale().Scale(pControl->GetToolTipWidth()));
    ::SendMessageW(m_hwndTooltip, TTM_SETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&m_ToolTip));
    ::SendMessageW(m_hwndTooltip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&m_ToolTip));
}

void CPaintManagerUI::HideToolTip()
{
    if (m_hwndTooltip != nullptr) {
        ::SendMessageW(m_hwndTooltip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&m_ToolTip));
    }
}

CPaintManagerUI* CPaintManagerUI::FindManagerOf(HWND hWnd)
{
    const bool child = (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) != 0;
    for (int i = 0; i < m_aPreMessages.GetSize(); ++i) {
        auto* manager = static_cast<CPaintManagerUI*>(m_aPreMessages[i]);
        if (!child) {
            if (manager->m_hWndPaint == hWnd) return manager;
            continue;
        }
        for (HWND walk = hWnd; walk != nullptr; walk = ::GetParent(walk)) {
            if (walk == manager->m_hWndPaint) return manager;
        }
    }
    return nullptr;
}

bool CPaintManagerUI::TranslateMessage(const MSG* pMsg)
{
    CPaintManagerUI* manager = FindManagerOf(pMsg->hwnd);
    if (manager == nullptr) return false;
    LRESULT lRes = 0;
    return manager->PreMessageHandler(pMsg->message, pMsg->wParam, pMsg->lParam, lRes);
}

void CPaintManagerUI::MessageLoop()
{
    MSG msg = {};
    // GetMessage returns -1 on failure; looping on that would never end.
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (TranslateMessage(&msg)) continue;
        ::TranslateMessage(&msg);
        try {
            ::DispatchMessageW(&msg);
        } catch (...) {
            char trace[MAX_PATH + 32] = {};
            std::snprintf(trace, sizeof(trace), "EXCEPTION: %s(%d)\n", __FILE__, __LINE__);
            ::OutputDebugStringA(trace);
            throw "CPaintManagerUI::MessageLoop";
        }
    }
}

} // namespace SkinUI
