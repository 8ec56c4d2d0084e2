#include "SkinUI/Control/ListElementUI.h"
#include "SkinUI/Control/ScrollBarUI.h"
#include "SkinUI/Core/AttributeValue.h"
#include "SkinUI/Core/ContainerUI.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/UIRender.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

const char* CListElementUI::GetClass() const
{
    return "ListElementUI";
}

LPVOID CListElementUI::GetInterface(const char* pstrName)
{
    if (CUIName::Equals(pstrName, "ListItem")) return static_cast<IListItemUI*>(this);
    if (CUIName::Equals(pstrName, "ListElement")) return static_cast<CListElementUI*>(this);
    return CControlUI::GetInterface(pstrName);
}

UINT CListElementUI::GetControlFlags() const
{
    return CControlUI::GetControlFlags() & ~(UIFLAG_TABSTOP | UIFLAG_SETCURSOR);
}

bool CListElementUI::Activate()
{
    if (!CControlUI::Activate()) return false;
    if (m_pManager != nullptr) m_pManager->SendNotify(this, "itemactivate");
    return true;
}

void CListElementUI::SetVisible(bool bVisible)
{
    CControlUI::SetVisible(bVisible);
    if (!IsVisible() && IsSelected()) {
        m_bSelected = false;
        if (m_pOwner != nullptr) m_pOwner->SelectItem(-1);
    }
}

void CListElementUI::SetEnabled(bool bEnable)
{
    CControlUI::SetEnabled(bEnable);
    if (!IsEnabled()) m_uButtonState = 0;
}

void CListElementUI::PassOn(TEventMsg& event)
{
    if (m_pOwner != nullptr)
        m_pOwner->DoEvent(event);
    else
        CControlUI::DoEvent(event);
}

void CListElementUI::DoEvent(TEventMsg& event)
{
    if (PassMouseWhenDisabled(event)) return;
    const bool activates =
        event.Type == UIEVENT_DBLCLICK || (event.Type == UIEVENT_KEYDOWN && event.chKey == VK_RETURN);
    if (activates && IsEnabled()) {
        Activate();
        Invalidate();
        return;
    }
    PassOn(event);
}

void CListElementUI::SetAttribute(const char* pstrName, const char* pstrValue)
{
    // Only "true" selects: "selected"="false" must not build a selected row.
    if (CUIName::Equals(pstrName, "selected")) {
        Select(CAttributeValue::ParseBool(pstrValue));
        return;
    }
    CControlUI::SetAttribute(pstrName, pstrValue);
}

int CListElementUI::GetIndex() const
{
    return m_iIndex;
}

void CListElementUI::SetIndex(int iIndex)
{
    m_iIndex = iIndex;
}

IListOwnerUI* CListElementUI::GetOwner()
{
    return m_pOwner;
}

void CListElementUI::SetOwner(CControlUI* pOwner)
{
    m_pOwner = pOwner != nullptr ? static_cast<IListOwnerUI*>(pOwner->GetInterface("IListOwner")) : nullptr;
}

// An owned item is selected exactly when its owner's selection is this item.
bool CListElementUI::IsSelected() const
{
    return m_pOwner != nullptr ? m_pOwner->GetCurSel() == m_iIndex : m_bSelected;
}

bool CListElementUI::Select(bool bSelect)
{
    if (!IsEnabled()) return false;
    const bool wasSelected = IsSelected();
    if (bSelect == wasSelected && bSelect == m_bSelected) return true;
    m_bSelected = bSelect;
    if (m_pOwner != nullptr && bSelect != wasSelected) m_pOwner->SelectItem(bSelect ? m_iIndex : -1);
    Invalidate();
    return true;
}

bool CListElementUI::IsExpanded() const
{
    return false;
}

bool CListElementUI::Expand(bool)
{
    return false;
}

void CListElementUI::DrawItemText(HDC, const RECT&) {}

bool CListElementUI::ClipToParents(RECT& rc) const
{
    CControlUI* parent = GetParent();
    auto* container = parent != nullptr ? static_cast<CContainerUI*>(parent->GetInterface("Container")) : nullptr;
    if (container == nullptr) return false;
    const CDpiScale& scale = container->GetDpiScale();
    const RECT& rcParent = container->GetPos();
    const RECT inset = scale.ScaleRect(container->GetInset());
    RECT rcClient = {rcParent.left + inset.left, rcParent.top + inset.top, rcParent.right - inset.right,
                     rcParent.bottom - inset.bottom};
    const CScrollBarUI* vbar = container->GetVerticalScrollBar();
    if (vbar != nullptr && vbar->IsVisible()) rcClient.right -= scale.Scale(vbar->GetFixedWidth());
    const CScrollBarUI* hbar = container->GetHorizontalScrollBar();
    if (hbar != nullptr && hbar->IsVisible()) rcClient.bottom -= scale.Scale(hbar->GetFixedHeight());
    if (!::IntersectRect(&rc, &rc, &rcClient)) return true;
    for (CControlUI* p = parent->GetParent(); p != nullptr; p = p->GetParent()) {
        if (!::IntersectRect(&rc, &rc, &p->GetPos())) return true;
    }
    return true;
}

void CListElementUI::Invalidate()
{
    if (!IsVisible()) return;
    RECT rc = m_rcItem;
    if (!ClipToParents(rc)) {
        CControlUI::Invalidate();
        return;
    }
    if (!::IsRectEmpty(&rc) && m_pManager != nullptr) m_pManager->Invalidate(rc);
}

bool CListElementUI::IsAltRow(const TListItemStyle& style) const
{
    return style.bAlternateBk && (m_iIndex % 2) != 0;
}

DWORD CListElementUI::ItemBkColor(const TListItemStyle& style) const
{
    DWORD color = IsAltRow(style) ? 0 : style.dwBkColor;
    if ((m_uButtonState & UISTATE_HOT) != 0) color = style.dwHotBkColor;
    if (IsSelected()) color = style.dwSelectedBkColor;
    if (!IsEnabled()) color = style.dwDisabledBkColor;
    return color;
}

void CListElementUI::DrawItemBk(HDC hDC, const RECT& rcItem)
{
    if (m_pOwner == nullptr) return;
    TListItemStyle* style = m_pOwner->GetItemStyle();
    if (style == nullptr) return;
    const DWORD color = ItemBkColor(*style);
    if (color != 0) CUIRender::DrawColor(hDC, rcItem, GetAdjustColor(color));

    bool done = false;
    if (!IsEnabled())
        done = DrawStateImage(hDC, style->sDisabledImage);
    else if (IsSelected())
        done = DrawStateImage(hDC, style->sSelectedImage);
    else if ((m_uButtonState & UISTATE_HOT) != 0)
        done = DrawStateImage(hDC, style->sHotImage);
    if (!done && !m_sBkImage.IsEmpty() && !IsAltRow(*style) && !DrawImage(hDC, m_sBkImage)) m_sBkImage.Empty();
    if (!done && m_sBkImage.IsEmpty()) done = DrawStateImage(hDC, style->sBkImage);
    if (!done && style->dwLineColor != 0) {
        const RECT rcLine = {rcItem.left, rcItem.bottom - 1, rcItem.right, rcItem.bottom - 1};
        CUIRender::DrawLine(hDC, rcLine, 1, GetAdjustColor(style->dwLineColor));
    }
}

} // namespace SkinUI
