#include "SkinUI/Control/ComboUI.h"
#include <algorithm>
#include <cstring>
#include "SkinUI/Control/ComboWnd.h"
#include "SkinUI/Control/IListItemUI.h"
#include "SkinUI/Control/ListSelection.h"
#include "SkinUI/Core/AttributeValue.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

namespace {

IListItemUI* AsListItem(CControlUI* pControl)
{
    return pControl != nullptr ? static_cast<IListItemUI*>(pControl->GetInterface("ListItem")) : nullptr;
}

RECT ParseRect(const char* pstrValue)
{
    int v[4] = {};
    CAttributeValue::ParseList(pstrValue, v, 4);
    return RECT{v[0], v[1], v[2], v[3]};
}

} // namespace

CComboUI::~CComboUI()
{
    // The popup holds the items and a pointer back here: both must be settled before the items go.
    if (m_pWindow != nullptr) m_pWindow->DetachOwner();
}

const char* CComboUI::GetClass() const
{
    return "ComboUI";
}

LPVOID CComboUI::GetInterface(const char* pstrName)
{
    if (CUIName::Equals(pstrName, "Combo")) return static_cast<CComboUI*>(this);
    if (CUIName::Equals(pstrName, "IListOwner")) return static_cast<IListOwnerUI*>(this);
    return CContainerUI::GetInterface(pstrName);
}

UINT CComboUI::GetControlFlags() const
{
    return UIFLAG_TABSTOP;
}

bool CComboUI::Activate()
{
    if (!CControlUI::Activate()) return false;
    if (m_pWindow != nullptr) return true;
    // The list opens in a window of the combo's own window.
    if (m_pManager == nullptr) return false;
    m_pWindow = new CComboWnd(this);
    if (!m_pWindow->Open()) {
        // A window destroyed while being made has gone through OnPopupDestroyed already.
        delete m_pWindow;
        m_pWindow = nullptr;
        return false;
    }
    m_pManager->SendNotify(this, "dropdown");
    Invalidate();
    return true;
}

CUIString CComboUI::GetText() const
{
    CControlUI* pControl = GetItemAt(m_iCurSel);
    return pControl != nullptr ? pControl->GetText() : CUIString();
}

void CComboUI::SetPos(RECT rc)
{
    // While the list is open its items belong to the popup's layout.
    const RECT rcNull = {0, 0, 0, 0};
    const bool lent = m_pWindow != nullptr && m_pWindow->HoldsItems();
    for (int i = 0; !lent && i < GetCount(); ++i) GetItemAt(i)->SetPos(rcNull);
    CControlUI::SetPos(rc);
}

void CComboUI::SetEnabled(bool bEnable)
{
    CControlUI::SetEnabled(bEnable);
    if (!IsEnabled()) m_uButtonState = 0;
}

bool CComboUI::IsOpen() const
{
    return m_pWindow != nullptr;
}

UINT CComboUI::GetButtonState() const
{
    return m_uButtonState;
}

void CComboUI::OnPopupDestroyed()
{
    m_pWindow = nullptr;
    m_uButtonState &= ~UISTATE_PUSHED;
    Invalidate();
}

TListItemStyle* CComboUI::GetItemStyle()
{
    return &m_ListInfo;
}

int CComboUI::GetCurSel() const
{
    return m_iCurSel;
}

bool CComboUI::SelectItem(int iIndex, bool bTakeFocus)
{
    const bool wasOpen = m_pWindow != nullptr;
    if (wasOpen) m_pWindow->Close();
    if (iIndex >= 0 && GetCount() > 0) iIndex = std::min(iIndex, GetCount() - 1);
    if (iIndex == m_iCurSel) return true;
    CControlUI* pControl = iIndex >= 0 ? GetItemAt(iIndex) : nullptr;
    IListItemUI* pItem = AsListItem(pControl);
    const bool selectable = pItem != nullptr && pControl->IsVisible() && pControl->IsEnabled();
    // Only -1 clears the selection: an item that cannot be selected leaves it as it is.
    if (iIndex >= 0 && !selectable) return false;
    const int iOldSel = m_iCurSel;
    if (m_iCurSel >= 0) {
        IListItemUI* pOld = AsListItem(GetItemAt(m_iCurSel));
        if (pOld == nullptr) return false;
        // Cleared first: an item deselected while it is still ours would ask us to clear it.
        m_iCurSel = -1;
        pOld->Select(false);
    }
    if (!selectable) return false;
    m_iCurSel = iIndex;
    if (wasOpen || bTakeFocus) pControl->SetFocus();
    pItem->Select(true);
    if (m_pManager != nullptr) m_pManager->SendNotify(this, "itemselect", m_iCurSel, iOldSel);
    Invalidate();
    return true;
}

void CComboUI::Reindex(int iFrom, int iTo)
{
    for (int i = std::max(iFrom, 0); i <= iTo && i < GetCount(); ++i) {
        IListItemUI* pItem = AsListItem(GetItemAt(i));
        if (pItem != nullptr) pItem->SetIndex(i);
    }
}

bool CComboUI::SetItemIndex(CControlUI* pControl, int iIndex)
{
    const int iOld = GetItemIndex(pControl);
    if (!CContainerUI::SetItemIndex(pControl, iIndex)) return false;
    Reindex(std::min(iOld, iIndex), std::max(iOld, iIndex));
    m_iCurSel = CListSelection::AfterMove(m_iCurSel, iOld, iIndex);
    return true;
}

bool CComboUI::Add(CControlUI* pControl)
{
    // A refused child keeps the index and owner it had.
    if (!CContainerUI::Add(pControl)) return false;
    IListItemUI* pItem = AsListItem(pControl);
    if (pItem != nullptr) {
        pItem->SetOwner(this);
        pItem->SetIndex(GetCount() - 1);
    }
    return true;
}

bool CComboUI::AddAt(CControlUI* pControl, int iIndex)
{
    // A refused insertion must not shift the indices or the selection.
    if (!CContainerUI::AddAt(pControl, iIndex)) return false;
    IListItemUI* pItem = AsListItem(pControl);
    if (pItem != nullptr) {
        pItem->SetOwner(this);
        pItem->SetIndex(iIndex);
    }
    Reindex(iIndex + 1, GetCount() - 1);
    m_iCurSel = CListSelection::AfterInsert(m_iCurSel, iIndex);
    return true;
}

void CComboUI::TakeBackFromPopup(CControlUI* pControl)
{
    // An item leaving while the list is open is still in the popup's layout and manager.
    if (m_pWindow == nullptr || pControl == nullptr) return;
    m_pWindow->ForgetItem(pControl);
    pControl->SetManager(m_pManager, this, false);
}

bool CComboUI::Remove(CControlUI* pControl)
{
    const int iIndex = GetItemIndex(pControl);
    if (iIndex < 0) return false;
    TakeBackFromPopup(pControl);
    if (!CContainerUI::Remove(pControl)) return false;
    Reindex(iIndex, GetCount() - 1);
    const int iSel = CListSelection::AfterRemove(m_iCurSel, iIndex);
    if (iSel < 0 && m_iCurSel == iIndex) {
        m_iCurSel = -1;
        SelectItem(FindSelectable(iIndex, false));
    } else {
        m_iCurSel = iSel;
    }
    return true;
}

bool CComboUI::RemoveAt(int iIndex)
{
    return Remove(GetItemAt(iIndex));
}

void CComboUI::RemoveAll()
{
    m_iCurSel = -1;
    for (int i = 0; i < GetCount(); ++i) TakeBackFromPopup(GetItemAt(i));
    CContainerUI::RemoveAll();
}

void CComboUI::SelectForward(int iIndex)
{
    // Nothing selectable ahead keeps the selection instead of clearing it.
    const int iFound = FindSelectable(iIndex, true);
    if (iFound >= 0) SelectItem(iFound);
}

bool CComboUI::OnKeyDown(TEventMsg& event)
{
    switch (event.chKey) {
    case VK_UP:
    case VK_PRIOR:
        SelectItem(FindSelectable(m_iCurSel - 1, false));
        return true;
    case VK_DOWN:
    case VK_NEXT:
        SelectForward(m_iCurSel + 1);
        return true;
    case VK_HOME:
        SelectItem(FindSelectable(0, false));
        return true;
    case VK_END:
        // The last selectable item, even when the last item itself is disabled.
        SelectItem(FindSelectable(GetCount() - 1, false));
        return true;
    case VK_F4:
        Activate();
        return true;
    default:
        return false;
    }
}

void CComboUI::DoEvent(TEventMsg& event)
{
    if (PassMouseWhenDisabled(event)) return;
    switch (event.Type) {
    case UIEVENT_SETFOCUS:
    case UIEVENT_KILLFOCUS:
        Invalidate();
        CControlUI::DoEvent(event);
        return;
    case UIEVENT_BUTTONDOWN:
        if (IsEnabled()) {
            Activate();
            m_uButtonState |= UISTATE_PUSHED | UISTATE_CAPTURED;
        }
        return;
    case UIEVENT_BUTTONUP:
        if ((m_uButtonState & UISTATE_CAPTURED) != 0) {
            m_uButtonState &= ~UISTATE_CAPTURED;
            Invalidate();
        }
        return;
    case UIEVENT_MOUSEMOVE:
    case UIEVENT_CONTEXTMENU:
        return;
    case UIEVENT_KEYDOWN:
        if (!OnKeyDown(event)) CControlUI::DoEvent(event);
        return;
    case UIEVENT_SCROLLWHEEL:
        if (LOWORD(event.wParam) == 1)
            SelectForward(m_iCurSel + 1);
        else
            SelectItem(FindSelectable(m_iCurSel - 1, false));
        return;
    case UIEVENT_MOUSEENTER:
        if (::PtInRect(&m_rcItem, event.ptMouse)) {
            m_uButtonState |= UISTATE_HOT;
            Invalidate();
        }
        return;
    case UIEVENT_MOUSELEAVE:
        if ((m_uButtonState & UISTATE_HOT) != 0) {
            m_uButtonState &= ~UISTATE_HOT;
            Invalidate();
        }
        return;
    default:
        CControlUI::DoEvent(event);
    }
}

CUIString CComboUI::GetDropBoxAttributeList() const
{
    return m_sDropBoxAttributes;
}

void CComboUI::SetDropBoxAttributeList(const char* pstrList)
{
    m_sDropBoxAttributes = pstrList != nullptr ? pstrList : "";
}

SIZE CComboUI::GetDropBoxSize() const
{
    return m_szDropBox;
}

void CComboUI::SetDropBoxSize(SIZE szDropBox)
{
    m_szDropBox = szDropBox;
}

RECT CComboUI::GetTextPadding() const
{
    return m_rcTextPadding;
}

void CComboUI::SetTextPadding(RECT rc)
{
    m_rcTextPadding = rc;
    Invalidate();
}

void CComboUI::SetItemAlign(const char* pstrValue)
{
    if (pstrValue == nullptr) return;
    if (std::strstr(pstrValue, "left") != nullptr) m_ListInfo.uTextStyle &= ~(DT_CENTER | DT_RIGHT);
    if (std::strstr(pstrValue, "center") != nullptr) {
        m_ListInfo.uTextStyle &= ~DT_RIGHT;
        m_ListInfo.uTextStyle |= DT_CENTER;
    }
    if (std::strstr(pstrValue, "right") != nullptr) {
        m_ListInfo.uTextStyle &= ~DT_CENTER;
        m_ListInfo.uTextStyle |= DT_RIGHT;
    }
}

bool CComboUI::SetItemColorAttribute(const char* pstrName, const char* pstrValue)
{
    struct TColorField {
        const char* name;
        DWORD TListItemStyle::*field;
    };
    static const TColorField kFields[] = {
        {"itembkcolor", &TListItemStyle::dwBkColor},
        {"itemselectedtextcolor", &TListItemStyle::dwSelectedTextColor},
        {"itemselectedbkcolor", &TListItemStyle::dwSelectedBkColor},
        {"itemhottextcolor", &TListItemStyle::dwHotTextColor},
        {"itemhotbkcolor", &TListItemStyle::dwHotBkColor},
        {"itemdisabledtextcolor", &TListItemStyle::dwDisabledTextColor},
        {"itemdisabledbkcolor", &TListItemStyle::dwDisabledBkColor},
        {"itemlinecolor", &TListItemStyle::dwLineColor},
    };
    if (CUIName::Equals(pstrName, "itemtextcolor")) {
        m_ListInfo.dwTextColor = CAttributeValue::ParseColor(pstrValue);
        Invalidate();
        return true;
    }
    for (const TColorField& f : kFields) {
        if (CUIName::Equals(pstrName, f.name)) {
            m_ListInfo.*f.field = CAttributeValue::ParseColor(pstrValue);
            return true;
        }
    }
    return false;
}

bool CComboUI::SetItemImageAttribute(const char* pstrName, const char* pstrValue)
{
    struct TImageField {
        const char* name;
        CUIString TListItemStyle::*field;
    };
    static const TImageField kFields[] = {
        {"itembkimage", &TListItemStyle::sBkImage},
        {"itemselectedimage", &TListItemStyle::sSelectedImage},
        {"itemhotimage", &TListItemStyle::sHotImage},
        {"itemdisabledimage", &TListItemStyle::sDisabledImage},
    };
    for (const TImageField& f : kFields) {
        if (CUIName::Equals(pstrName, f.name)) {
            m_ListInfo.*f.field = pstrValue;
            return true;
        }
    }
    return false;
}

bool CComboUI::SetItemAttribute(const char* pstrName, const char* pstrValue)
{
    if (CUIName::Equals(pstrName, "itemfont")) {
        m_ListInfo.nFont = CAttributeValue::ParseInt(pstrValue);
    } else if (CUIName::Equals(pstrName, "itemalign")) {
        SetItemAlign(pstrValue);
    } else if (CUIName::Equals(pstrName, "itemtextpadding")) {
        m_ListInfo.rcTextPadding = ParseRect(pstrValue);
        Invalidate();
    } else if (CUIName::Equals(pstrName, "itemaltbk")) {
        m_ListInfo.bAlternateBk = CAttributeValue::ParseBool(pstrValue);
    } else if (CUIName::Equals(pstrName, "itemshowhtml")) {
        const bool bShow = CAttributeValue::ParseBool(pstrValue);
        if (bShow != m_ListInfo.bShowHtml) {
            m_ListInfo.bShowHtml = bShow;
            Invalidate();
        }
    } else {
        return SetItemColorAttribute(pstrName, pstrValue) || SetItemImageAttribute(pstrName, pstrValue);
    }
    return true;
}

void CComboUI::SetAttribute(const char* pstrName, const char* pstrValue)
{
    if (m_images.SetAttribute(pstrName, pstrValue)) {
        Invalidate();
    } else if (CUIName::Equals(pstrName, "textpadding")) {
        SetTextPadding(ParseRect(pstrValue));
    } else if (CUIName::Equals(pstrName, "dropbox")) {
        SetDropBoxAttributeList(pstrValue);
    } else if (CUIName::Equals(pstrName, "dropboxsize")) {
        int v[2] = {};
        CAttributeValue::ParseList(pstrValue, v, 2);
        SetDropBoxSize(SIZE{v[0], v[1]});
    } else if (!SetItemAttribute(pstrName, pstrValue)) {
        CContainerUI::SetAttribute(pstrName, pstrValue);
    }
}

SIZE CComboUI::EstimateSize(SIZE)
{
    if (m_cxyFixed.cy != 0) return ScaledFixedSize();
    const int cyFont = m_pManager != nullptr ? m_pManager->GetDefaultFontInfo()->tm.tmHeight : 0;
    return SIZE{Scaled(m_cxyFixed.cx), cyFont + Scaled(12)};
}

// The items are painted by the popup list, never inside the box.
void CComboUI::DoPaint(HDC hDC, const RECT& rcPaint)
{
    CControlUI::DoPaint(hDC, rcPaint);
}

void CComboUI::RefreshStateBits()
{
    if (IsFocused())
        m_uButtonState |= UISTATE_FOCUSED;
    else
        m_uButtonState &= ~UISTATE_FOCUSED;
    if (!IsEnabled())
        m_uButtonState |= UISTATE_DISABLED;
    else
        m_uButtonState &= ~UISTATE_DISABLED;
}

void CComboUI::PaintStatusImage(HDC hDC)
{
    RefreshStateBits();
    CUIString* pImage = nullptr;
    if ((m_uButtonState & UISTATE_DISABLED) != 0)
        pImage = &m_images.disabled;
    else if ((m_uButtonState & UISTATE_PUSHED) != 0)
        pImage = &m_images.pushed;
    else if ((m_uButtonState & UISTATE_HOT) != 0)
        pImage = &m_images.hot;
    else if ((m_uButtonState & UISTATE_FOCUSED) != 0)
        pImage = &m_images.focused;
    if (pImage != nullptr && DrawStateImage(hDC, *pImage)) return;
    DrawStateImage(hDC, m_images.normal);
}

void CComboUI::PaintSelected(HDC hDC, const RECT& rcText)
{
    CControlUI* pControl = GetItemAt(m_iCurSel);
    if (pControl == nullptr) return;
    IListItemUI* pItem = AsListItem(pControl);
    if (pItem != nullptr) {
        pItem->DrawItemText(hDC, rcText);
        return;
    }
    const RECT rcOld = pControl->GetPos();
    pControl->SetPos(rcText);
    pControl->DoPaint(hDC, rcText);
    pControl->SetPos(rcOld);
}

void CComboUI::PaintText(HDC hDC)
{
    const RECT padding = GetDpiScale().ScaleRect(m_rcTextPadding);
    const RECT rcText = {m_rcItem.left + padding.left, m_rcItem.top + padding.top, m_rcItem.right - padding.right,
                         m_rcItem.bottom - padding.bottom};
    PaintSelected(hDC, rcText);
}

} // namespace SkinUI
