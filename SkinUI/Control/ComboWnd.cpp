#include "SkinUI/Control/ComboWnd.h"
#include "SkinUI/Control/ComboPopupGeometry.h"
#include "SkinUI/Control/ComboUI.h"
#include "SkinUI/Control/ListSelection.h"
#include "SkinUI/Control/ScrollBarUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"
#include "SkinUI/Utils/UIName.h"
#include "SkinUI/Utils/UIRectWin.h"

namespace SkinUI {

namespace {

constexpr DWORD kPopupBorderColor = 0xFFC6C7D2;

RECT WorkAreaNear(HWND hWnd)
{
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    ::GetMonitorInfoA(::MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST), &mi);
    return mi.rcWork;
}

} // namespace

CComboWnd::CComboWnd(CComboUI* pOwner)
    : m_pOwner(pOwner)
{}

const char* CComboWnd::GetWindowClassName() const
{
    return "ComboWnd";
}

UINT CComboWnd::GetClassStyle() const
{
    return CS_DROPSHADOW;
}

RECT CComboWnd::PopupRect() const
{
    const RECT rcCombo = m_pOwner->GetPos();
    const CDpiScale& scale = m_pOwner->GetDpiScale();
    const SIZE szDropBox = {scale.Scale(m_pOwner->GetDropBoxSize().cx), scale.Scale(m_pOwner->GetDropBoxSize().cy)};
    const SIZE szAvailable = ToSIZE(CComboPopupGeometry::Available(ToUIRect(rcCombo), ToUISize(szDropBox)));
    int cyItems = 0;
    for (int i = 0; i < m_pOwner->GetCount(); ++i) {
        CControlUI* pControl = m_pOwner->GetItemAt(i);
        if (pControl->IsVisible()) cyItems += pControl->EstimateSize(szAvailable).cy;
    }
    HWND hWndParent = m_pOwner->GetManager()->GetPaintWindow();
    RECT rcScreen = rcCombo;
    ::MapWindowPoints(hWndParent, HWND_DESKTOP, reinterpret_cast<POINT*>(&rcScreen), 2);
    return ToRECT(CComboPopupGeometry::Place(ToUIRect(rcScreen), ToUISize(szDropBox), cyItems,
                                             ToUIRect(WorkAreaNear(hWndParent)),
                                             scale.Scale(CComboPopupGeometry::kFrameHeight)));
}

bool CComboWnd::Open()
{
    m_iOldSel = m_pOwner->GetCurSel();
    HWND hWndParent = m_pOwner->GetManager()->GetPaintWindow();
    if (Create(hWndParent, nullptr, WS_POPUP, WS_EX_TOOLWINDOW, PopupRect()) == nullptr) return false;
    HWND hWndTop = hWndParent;
    while (::GetParent(hWndTop) != nullptr) hWndTop = ::GetParent(hWndTop);
    ShowWindow();
    ::SendMessageA(hWndTop, WM_NCACTIVATE, TRUE, 0);
    return true;
}

void CComboWnd::OnCreate()
{
    m_pm.Init(m_hWnd);
    // The items' fonts and images are the combo window's; refused only when already in the chain.
    m_pm.SetResourceParent(m_pOwner->GetManager());
    m_pLayout = new CVerticalLayoutUI;
    m_pLayout->SetManager(&m_pm, nullptr, true);
    const char* pDefaultAttributes = m_pOwner->GetManager()->GetDefaultAttributeList("VerticalLayout");
    if (pDefaultAttributes != nullptr) m_pLayout->ApplyAttributeList(pDefaultAttributes);
    m_pLayout->SetInset(RECT{1, 1, 1, 1});
    m_pLayout->SetBkColor(0xFFFFFFFF);
    m_pLayout->SetBorderColor(kPopupBorderColor);
    m_pLayout->SetBorderSize(1);
    // The items stay the combo's.
    m_pLayout->SetAutoDestroy(false);
    m_pLayout->EnableScrollBar();
    m_pLayout->ApplyAttributeList(m_pOwner->GetDropBoxAttributeList());
    for (int i = 0; i < m_pOwner->GetCount(); ++i) {
        CControlUI* pItem = m_pOwner->GetItemAt(i);
        // Lent, not given: the combo keeps listing it and takes it back on close.
        pItem->SetManager(pItem->GetManager(), nullptr, false);
        m_pLayout->Add(pItem);
    }
    m_bHoldsItems = true;
    m_pm.AttachDialog(m_pLayout);
}

bool CComboWnd::HoldsItems() const
{
    return m_bHoldsItems;
}

void CComboWnd::ReturnItems()
{
    m_bHoldsItems = false;
    m_pOwner->SetManager(m_pOwner->GetManager(), m_pOwner->GetParent(), false);
}

void CComboWnd::ForgetItem(CControlUI* pControl)
{
    if (m_pLayout == nullptr) return;
    // Escape must restore the same item, not whatever slides into its index.
    m_iOldSel = CListSelection::AfterRemove(m_iOldSel, m_pLayout->GetItemIndex(pControl));
    m_pLayout->Remove(pControl);
}

void CComboWnd::DetachOwner()
{
    if (m_pLayout != nullptr) {
        ReturnItems();
        m_pLayout->RemoveAll();
    }
    m_pOwner = nullptr;
    if (::IsWindow(m_hWnd)) {
        ::DestroyWindow(m_hWnd);
    } else {
        delete this;
    }
}

void CComboWnd::EnsureVisible(int iIndex)
{
    if (m_pOwner == nullptr || m_pOwner->GetCurSel() < 0 || m_pLayout == nullptr) return;
    CControlUI* pItem = m_pLayout->GetItemAt(iIndex);
    if (pItem == nullptr) return;
    RECT rcView = m_pLayout->GetPos();
    const CScrollBarUI* pHorizontal = m_pLayout->GetHorizontalScrollBar();
    if (pHorizontal != nullptr && pHorizontal->IsVisible())
        rcView.bottom -= m_pLayout->GetDpiScale().Scale(pHorizontal->GetFixedHeight());
    const int dy = CComboPopupGeometry::ScrollDelta(ToUIRect(pItem->GetPos()), ToUIRect(rcView));
    if (dy == 0) return;
    SIZE szPos = m_pLayout->GetScrollPos();
    szPos.cy += dy;
    m_pLayout->SetScrollPos(szPos);
}

void CComboWnd::PassToOwner(int type, WPARAM wParam, char chKey)
{
    TEventMsg event;
    event.Type = type;
    event.pSender = m_pOwner;
    event.dwTimestamp = ::GetTickCount();
    event.wParam = wParam;
    event.chKey = chKey;
    m_pOwner->DoEvent(event);
    EnsureVisible(m_pOwner->GetCurSel());
}

bool CComboWnd::OnKeyDown(WPARAM wParam)
{
    switch (wParam) {
    case VK_ESCAPE:
        m_pOwner->SelectItem(m_iOldSel, true);
        EnsureVisible(m_iOldSel);
        ::PostMessageA(m_hWnd, WM_KILLFOCUS, 0, 0);
        return false;
    case VK_RETURN:
        ::PostMessageA(m_hWnd, WM_KILLFOCUS, 0, 0);
        return false;
    default:
        PassToOwner(UIEVENT_KEYDOWN, 0, static_cast<char>(wParam));
        return true;
    }
}

void CComboWnd::OnMouseWheel(WPARAM wParam)
{
    const int zDelta = GET_WHEEL_DELTA_WPARAM(wParam);
    PassToOwner(UIEVENT_SCROLLWHEEL, zDelta < 0 ? 1 : 0, 0);
}

LRESULT CComboWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_pOwner == nullptr) return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
    switch (uMsg) {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_CLOSE:
        ReturnItems();
        m_pOwner->SetPos(m_pOwner->GetPos());
        m_pOwner->SetFocus();
        break;
    case WM_LBUTTONUP: {
        POINT pt = {0, 0};
        ::GetCursorPos(&pt);
        ::ScreenToClient(m_hWnd, &pt);
        CControlUI* pControl = m_pm.FindControl(pt);
        if (pControl != nullptr && !CUIName::Equals(pControl->GetClass(), "ScrollBarUI"))
            ::PostMessageA(m_hWnd, WM_KILLFOCUS, 0, 0);
        break;
    }
    case WM_KEYDOWN:
        if (OnKeyDown(wParam)) return 0;
        break;
    case WM_MOUSEWHEEL:
        OnMouseWheel(wParam);
        return 0;
    case WM_KILLFOCUS:
        if (m_hWnd != reinterpret_cast<HWND>(wParam)) ::PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
        break;
    default:
        break;
    }
    LRESULT lRes = 0;
    if (m_pm.MessageHandler(uMsg, wParam, lParam, lRes)) return lRes;
    return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

void CComboWnd::OnFinalMessage(HWND)
{
    if (m_pOwner != nullptr) m_pOwner->OnPopupDestroyed();
    delete this;
}

} // namespace SkinUI
