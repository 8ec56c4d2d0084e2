#include "SkinUI/Layout/TabLayoutUI.h"
#include <algorithm>
#include "SkinUI/Core/AttributeValue.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Layout/LayoutFlow.h"
#include "SkinUI/Utils/UIName.h"
#include "SkinUI/Utils/UIRectWin.h"

namespace SkinUI {

const char* CTabLayoutUI::GetClass() const
{
    return "TabLayoutUI";
}

LPVOID CTabLayoutUI::GetInterface(const char* pstrName)
{
    if (CUIName::Equals(pstrName, "TabLayout")) return this;
    return CContainerUI::GetInterface(pstrName);
}

int CTabLayoutUI::GetCurSel() const
{
    return m_iCurSel;
}

bool CTabLayoutUI::Add(CControlUI* pControl)
{
    if (!CContainerUI::Add(pControl)) return false;
    if (m_iCurSel == -1 && pControl->IsVisible())
        m_iCurSel = GetItemIndex(pControl);
    else
        pControl->SetVisible(false);
    return true;
}

bool CTabLayoutUI::AddAt(CControlUI* pControl, int iIndex)
{
    if (!CContainerUI::AddAt(pControl, iIndex)) return false;
    if (m_iCurSel == -1 && pControl->IsVisible())
        m_iCurSel = GetItemIndex(pControl);
    else if (iIndex <= m_iCurSel)
        ++m_iCurSel;
    else
        pControl->SetVisible(false);
    return true;
}

bool CTabLayoutUI::Remove(CControlUI* pControl)
{
    const int index = GetItemIndex(pControl);
    if (!CContainerUI::Remove(pControl)) return false;
    if (index == m_iCurSel) {
        if (GetCount() > 0) {
            m_iCurSel = 0;
            GetItemAt(0)->SetVisible(true);
        } else {
            m_iCurSel = -1;
        }
        NeedParentUpdate();
    } else if (index < m_iCurSel) {
        --m_iCurSel;
    }
    return true;
}

void CTabLayoutUI::RemoveAll()
{
    m_iCurSel = -1;
    CContainerUI::RemoveAll();
    NeedParentUpdate();
}

void CTabLayoutUI::PlacePage(CControlUI& page, const RECT& rcInset)
{
    const CDpiScale& scale = page.GetDpiScale();
    const RECT padding = scale.ScaleRect(page.GetPadding());
    const RECT rc = {rcInset.left + padding.left, rcInset.top + padding.top, rcInset.right - padding.right,
                     rcInset.bottom - padding.bottom};
    const int width = rc.right - rc.left;
    const int height = rc.bottom - rc.top;
    SIZE sz = page.EstimateSize(SIZE{width, height});
    if (sz.cx == 0) sz.cx = std::max(0, width);
    if (sz.cy == 0) sz.cy = std::max(0, height);
    sz.cx = LayoutClamp(sz.cx, scale.Scale(page.GetMinWidth()), scale.Scale(page.GetMaxWidth()));
    sz.cy = LayoutClamp(sz.cy, scale.Scale(page.GetMinHeight()), scale.Scale(page.GetMaxHeight()));
    page.SetPos(RECT{rc.left, rc.top, rc.left + sz.cx, rc.top + sz.cy});
}

void CTabLayoutUI::SetPos(RECT rc)
{
    CControlUI::SetPos(rc);
    const RECT inset = InnerRectWith(0, 0);
    for (int i = 0; i < GetCount(); ++i) {
        CControlUI* pControl = GetItemAt(i);
        if (!pControl->IsVisible()) continue;
        if (pControl->IsFloat())
            SetFloatPos(i);
        else if (i == m_iCurSel)
            PlacePage(*pControl, inset);
    }
}

bool CTabLayoutUI::SelectItem(int iIndex)
{
    if (iIndex < 0 || iIndex >= GetCount()) return false;
    if (iIndex == m_iCurSel) return true;
    const int old = m_iCurSel;
    m_iCurSel = iIndex;
    for (int i = 0; i < GetCount(); ++i) {
        CControlUI* pControl = GetItemAt(i);
        if (i == iIndex) {
            pControl->SetVisible(true);
            pControl->SetFocus();
            SetPos(m_rcItem);
        } else {
            pControl->SetVisible(false);
        }
    }
    NeedParentUpdate();
    if (m_pManager != nullptr) {
        m_pManager->SetNextTabControl();
        m_pManager->SendNotify(this, "tabselect", static_cast<WPARAM>(m_iCurSel), static_cast<LPARAM>(old));
    }
    return true;
}

void CTabLayoutUI::SetAttribute(const char* pstrName, const char* pstrValue)
{
    if (CUIName::Equals(pstrName, "selectedid")) SelectItem(CAttributeValue::ParseInt(pstrValue));
    CContainerUI::SetAttribute(pstrName, pstrValue);
}

} // namespace SkinUI
