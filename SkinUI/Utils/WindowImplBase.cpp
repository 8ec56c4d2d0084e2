#include "SkinUI/Utils/WindowImplBase.h"
#include <windowsx.h>
#include "SkinUI/Core/CaptionHitTest.h"
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Core/DlgBuilder.h"
#include "SkinUI/Core/WindowGeometry.h"
#include "SkinUI/Utils/GbkText.h"
#include "SkinUI/Utils/UIRectWin.h"
#include "SkinUI/Utils/WindowSkinMarkup.h"

namespace SkinUI {

namespace {

void ReportSkinFailure(const char* /*reason*/)
{
    ::MessageBoxW(nullptr, CGbkText::ToWide("加载资源文件失败").c_str(), L"SkinUI", MB_ICONERROR);
    ::ExitProcess(1);
}

WindowImplBase::SkinFailureHandler g_pfnSkinFailure = ReportSkinFailure;

LRESULT NotHandled(bool& bHandled)
{
    bHandled = false;
    return 0;
}

} // namespace

SKINUI_BEGIN_NOTIFY_MAP(WindowImplBase, CNotifyPump)
SKINUI_NOTIFY_TYPE("click", OnClickNotify)
SKINUI_END_NOTIFY_MAP()

WindowImplBase::WindowImplBase(int cxSkin, int cySkin)
    : m_cxSkin(cxSkin)
    , m_cySkin(cySkin)
{}

// The window must not outlive the object its procedure calls into.
WindowImplBase::~WindowImplBase()
{
    if (::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

void WindowImplBase::SetSkinFailureHandler(SkinFailureHandler handler)
{
    g_pfnSkinFailure = handler != nullptr ? handler : ReportSkinFailure;
}

CPaintManagerUI& WindowImplBase::GetPaintManager()
{
    return m_PaintManager;
}

void WindowImplBase::Notify(TNotifyMsg& msg)
{
    NotifyPump(msg);
}

LRESULT WindowImplBase::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM /*lParam*/, bool& /*bHandled*/)
{
    if (uMsg == WM_KEYDOWN && (wParam == VK_RETURN || wParam == VK_ESCAPE)) return OnDefaultKey(wParam);
    return 0;
}

CControlUI* WindowImplBase::CreateControl(const char* /*pstrClass*/)
{
    return nullptr;
}

const char* WindowImplBase::GetWindowClassName() const
{
    return "^_^";
}

UINT WindowImplBase::GetClassStyle() const
{
    return CS_DBLCLKS;
}

void WindowImplBase::OnFinalMessage(HWND /*hWnd*/)
{
    m_PaintManager.RemovePreMessageFilter(this);
    m_PaintManager.RemoveNotifier(this);
    if (m_PaintManager.GetRoot() != nullptr) m_PaintManager.ReapObjects(m_PaintManager.GetRoot());
}

void WindowImplBase::OnSkinReady() {}

void WindowImplBase::OnClickNotify(TNotifyMsg& /*msg*/) {}

CUIString WindowImplBase::GetSkinFolder()
{
    return CUIString();
}

CUIString WindowImplBase::GetSkinFile()
{
    return CUIString();
}

bool WindowImplBase::OnDefaultKey(WPARAM key)
{
    if (key != VK_ESCAPE) return false;
    Close(1);
    return true;
}

int WindowImplBase::GetSkinSource()
{
    return kSkinSourceBuiltIn;
}

CUIString WindowImplBase::GetZIPFileName() const
{
    return CUIString();
}

CUIString WindowImplBase::GetResourceID() const
{
    return CUIString();
}

LRESULT WindowImplBase::OnCloseMsg(UINT, WPARAM, LPARAM, bool& bHandled)
{
    return NotHandled(bHandled);
}

LRESULT WindowImplBase::OnDestroyMsg(UINT, WPARAM, LPARAM, bool& bHandled)
{
    return NotHandled(bHandled);
}

LRESULT WindowImplBase::OnNcActivateMsg(UINT, WPARAM wParam, LPARAM, bool& bHandled)
{
    if (::IsIconic(m_hWnd)) return NotHandled(bHandled);
    return wParam == 0 ? TRUE : FALSE;
}

LRESULT WindowImplBase::OnNcCalcSizeMsg(UINT, WPARAM wParam, LPARAM lParam, bool&)
{
    if (!::IsZoomed(m_hWnd)) return 0;
    RECT* pRect =
        wParam != 0 ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
    *pRect = ToRECT(WindowMaximisedClient(ToUIRect(*pRect), ToUIRect(MonitorWorkAreaOnMonitor())));
    return WVR_REDRAW;
}

LRESULT WindowImplBase::OnNcPaintMsg(UINT, WPARAM, LPARAM, bool&)
{
    return 0;
}

LRESULT WindowImplBase::OnNcHitTestMsg(UINT, WPARAM, LPARAM lParam, bool&)
{
    POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ::ScreenToClient(m_hWnd, &pt);
    RECT rcClient = {};
    ::GetClientRect(m_hWnd, &rcClient);
    const RECT rcCaption = m_PaintManager.GetDpiScale().ScaleRect(m_PaintManager.GetCaptionRect());
    if (!CaptionContains(ToUIRect(rcClient), ToUIRect(rcCaption), ToUIPoint(pt))) return HTCLIENT;
    CControlUI* pControl = m_PaintManager.FindControl(pt);
    if (pControl == nullptr) return HTCLIENT;
    return CaptionDragsOver(pControl->GetClass(), pControl->GetControlFlags()) ? HTCAPTION : HTCLIENT;
}

LRESULT WindowImplBase::OnGetMinMaxInfoMsg(UINT, WPARAM, LPARAM lParam, bool& bHandled)
{
    auto* pInfo = reinterpret_cast<MINMAXINFO*>(lParam);
    const CDpiScale& scale = m_PaintManager.GetDpiScale();
    const SIZE minimum = m_PaintManager.GetMinInfo();
    const TWindowTracking tracking = WindowTrackingSizes(ToUIRect(MonitorWorkAreaOnMonitor()),
                                                         CUISize(scale.Scale(minimum.cx), scale.Scale(minimum.cy)));
    pInfo->ptMaxPosition = ToPOINT(tracking.ptMaxPosition);
    pInfo->ptMaxTrackSize = ToPOINT(tracking.ptMaxTrackSize);
    pInfo->ptMinTrackSize = ToPOINT(tracking.ptMinTrackSize);
    return NotHandled(bHandled);
}

LRESULT WindowImplBase::OnMouseWheelMsg(UINT, WPARAM, LPARAM, bool& bHandled)
{
    return NotHandled(bHandled);
}

LRESULT WindowImplBase::OnMouseHoverMsg(UINT, WPARAM, LPARAM, bool& bHandled)
{
    return NotHandled(bHandled);
}

LRESULT WindowImplBase::OnSizeMsg(UINT, WPARAM, LPARAM, bool& bHandled)
{
    RECT rcWindow = {};
    CUIRect rcRegion;
    ::GetWindowRect(m_hWnd, &rcWindow);
    const SIZE round = m_PaintManager.GetRoundCorner();
    const SIZE corner = {m_PaintManager.GetDpiScale().Scale(round.cx), m_PaintManager.GetDpiScale().Scale(round.cy)};
    if (WindowRoundRegionRect(ToUIRect(rcWindow), ToUISize(corner), ::IsIconic(m_hWnd) != FALSE, rcRegion)) {
        HRGN hRgn =
            ::CreateRoundRectRgn(rcRegion.left, rcRegion.top, rcRegion.right, rcRegion.bottom, corner.cx, corner.cy);
        // The window owns the region once it is set.
        if (::SetWindowRgn(m_hWnd, hRgn, TRUE) == 0) ::DeleteObject(hRgn);
    }
    return NotHandled(bHandled);
}

LRESULT WindowImplBase::OnCharMsg(UINT, WPARAM, LPARAM, bool& bHandled)
{
    return NotHandled(bHandled);
}

LRESULT WindowImplBase::OnSysCommandMsg(UINT uMsg, WPARAM wParam, LPARAM lParam, bool&)
{
    if ((wParam & 0xFFF0) == SC_CLOSE) {
        ::PostQuitMessage(0);
        return 0;
    }
    return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

LRESULT WindowImplBase::OnCreateMsg(UINT, WPARAM, LPARAM, bool&)
{
    ::SetWindowLongA(m_hWnd, GWL_STYLE, GetStyle() | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    RECT rcClient = {};
    ::GetClientRect(m_hWnd, &rcClient);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, rcClient.right - rcClient.left, rcClient.bottom - rcClient.top,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_PaintManager.Init(m_hWnd);
    m_PaintManager.AddPreMessageFilter(this);
    if (CPaintManagerUI::GetResourcePath().IsEmpty()) {
        CPaintManagerUI::SetResourcePath(CPaintManagerUI::GetInstancePath() + GetSkinFolder());
    }
    CUIString reason;
    CControlUI* pRoot = BuildSkin(reason);
    if (pRoot == nullptr) {
        g_pfnSkinFailure(reason);
        return -1;
    }
    m_PaintManager.AttachDialog(pRoot);
    m_PaintManager.AddNotifier(this);
    m_PaintManager.SetBackgroundTransparent(true);
    OnSkinReady();
    return 0;
}

LRESULT WindowImplBase::OnKeyDownMsg(UINT, WPARAM, LPARAM, bool& bHandled)
{
    return NotHandled(bHandled);
}

LRESULT WindowImplBase::OnKeyUpMsg(UINT, WPARAM, LPARAM, bool& bHandled)
{
    return NotHandled(bHandled);
}

LRESULT WindowImplBase::OnFocusLost(UINT, WPARAM, LPARAM, bool& bHandled)
{
    return NotHandled(bHandled);
}

LRESULT WindowImplBase::OnFocusGained(UINT, WPARAM, LPARAM, bool& bHandled)
{
    return NotHandled(bHandled);
}

LRESULT WindowImplBase::OnLButtonDownMsg(UINT, WPARAM, LPARAM, bool& bHandled)
{
    return NotHandled(bHandled);
}

LRESULT WindowImplBase::OnLButtonUpMsg(UINT, WPARAM, LPARAM, bool& bHandled)
{
    return NotHandled(bHandled);
}

LRESULT WindowImplBase::OnMouseMoved(UINT, WPARAM, LPARAM, bool& bHandled)
{
    return NotHandled(bHandled);
}

LRESULT WindowImplBase::OnOtherMessage(UINT, WPARAM, LPARAM, bool& bHandled)
{
    return NotHandled(bHandled);
}

LONG WindowImplBase::GetStyle()
{
    return ::GetWindowLongA(m_hWnd, GWL_STYLE) & ~static_cast<LONG>(WS_CAPTION);
}

LRESULT WindowImplBase::DispatchSlot(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled)
{
    switch (uMsg) {
    case WM_CREATE:
        return OnCreateMsg(uMsg, wParam, lParam, bHandled);
    case WM_DESTROY:
        return OnDestroyMsg(uMsg, wParam, lParam, bHandled);
    case WM_SIZE:
        return OnSizeMsg(uMsg, wParam, lParam, bHandled);
    case WM_SETFOCUS:
        return OnFocusGained(uMsg, wParam, lParam, bHandled);
    case WM_KILLFOCUS:
        return OnFocusLost(uMsg, wParam, lParam, bHandled);
    case WM_CLOSE:
        return OnCloseMsg(uMsg, wParam, lParam, bHandled);
    case WM_GETMINMAXINFO:
        return OnGetMinMaxInfoMsg(uMsg, wParam, lParam, bHandled);
    case WM_NCCALCSIZE:
        return OnNcCalcSizeMsg(uMsg, wParam, lParam, bHandled);
    case WM_NCHITTEST:
        return OnNcHitTestMsg(uMsg, wParam, lParam, bHandled);
    case WM_NCPAINT:
        return OnNcPaintMsg(uMsg, wParam, lParam, bHandled);
    case WM_NCACTIVATE:
        return OnNcActivateMsg(uMsg, wParam, lParam, bHandled);
    case WM_KEYDOWN:
        return OnKeyDownMsg(uMsg, wParam, lParam, bHandled);
    case WM_KEYUP:
        return OnKeyUpMsg(uMsg, wParam, lParam, bHandled);
    case WM_CHAR:
        return OnCharMsg(uMsg, wParam, lParam, bHandled);
    case WM_SYSCOMMAND:
        return OnSysCommandMsg(uMsg, wParam, lParam, bHandled);
    case WM_MOUSEMOVE:
        return OnMouseMoved(uMsg, wParam, lParam, bHandled);
    case WM_LBUTTONDOWN:
        return OnLButtonDownMsg(uMsg, wParam, lParam, bHandled);
    case WM_LBUTTONUP:
        return OnLButtonUpMsg(uMsg, wParam, lParam, bHandled);
    case WM_MOUSEWHEEL:
        return OnMouseWheelMsg(uMsg, wParam, lParam, bHandled);
    case WM_MOUSEHOVER:
        return OnMouseHoverMsg(uMsg, wParam, lParam, bHandled);
    case WM_NCLBUTTONDBLCLK:
        return 0;
    default:
        return NotHandled(bHandled);
    }
}

LRESULT WindowImplBase::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    bool bHandled = true;
    LRESULT lRes = DispatchSlot(uMsg, wParam, lParam, bHandled);
    if (bHandled) return lRes;
    bHandled = true;
    lRes = OnOtherMessage(uMsg, wParam, lParam, bHandled);
    if (bHandled) return lRes;
    if (m_PaintManager.MessageHandler(uMsg, wParam, lParam, lRes)) return lRes;
    if (uMsg == WM_CLOSE) return CloseByDefault(wParam, lParam);
    return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

// A top-level window that nobody owns and no modal loop runs is the program's main window:
// when closing destroys it, the message loop that runs it ends as well.
LRESULT WindowImplBase::CloseByDefault(WPARAM wParam, LPARAM lParam)
{
    const HWND hWnd = m_hWnd;
    const bool mainWindow = !IsInModalLoop() && ::GetWindow(hWnd, GW_OWNER) == nullptr &&
                            (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) == 0;
    const LRESULT lRes = CWindowWnd::HandleMessage(WM_CLOSE, wParam, lParam);
    if (mainWindow && !::IsWindow(hWnd)) ::PostQuitMessage(0);
    return lRes;
}

// A skin that left out controls of its markup is no skin either.
CControlUI* WindowImplBase::BuildSkin(CUIString& reason)
{
    CDlgBuilder builder;
    const CUIString markup =
        GetSkinSource() == kSkinSourceBuiltIn ? WindowSkinMarkup(m_cxSkin, m_cySkin) : GetSkinFile();
    CControlUI* pRoot = builder.Create(markup.GetData(), nullptr, this, &m_PaintManager, nullptr);
    if (pRoot != nullptr && builder.GetError().IsEmpty()) return pRoot;
    delete pRoot;
    if (!builder.GetError().IsEmpty())
        reason = builder.GetError();
    else if (*builder.GetMarkup()->GetLastErrorMessage() != '\0')
        reason = builder.GetMarkup()->GetLastErrorMessage();
    else
        reason = "the markup builds no control";
    return nullptr;
}

RECT WindowImplBase::MonitorWorkAreaOnMonitor() const
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoA(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &info);
    return ToRECT(WindowWorkAreaOnMonitor(ToUIRect(info.rcWork), ToUIRect(info.rcMonitor)));
}

} // namespace SkinUI
