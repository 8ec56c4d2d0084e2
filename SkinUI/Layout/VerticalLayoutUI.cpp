#include "SkinUI/Layout/VerticalLayoutUI.h"
#include "SkinUI/Core/AttributeValue.h"
#include "SkinUI/Layout/LayoutPlacement.h"
#include "SkinUI/Utils/UIName.h"
#include "SkinUI/Utils/UIRectWin.h"

namespace SkinUI {

const char* CVerticalLayoutUI::GetClass() const {
    return "VerticalLayoutUI";
}

LPVOID CVerticalLayoutUI::GetInterface(const char* pstrName) {
    if (CUIName::Equals(pstrName, "VerticalLayout"))
        return this;
    return CContainerUI::GetInterface(pstrName);
}

void CVerticalLayoutUI::SetPos(RECT rc) {
    CControlUI::SetPos(rc);
    const RECT inner = GetInnerRect();
    const int needed = GetCount() > 0 ? LayoutPlaceFlow(*this, ToUIRect(inner), true) : 0;
    ProcessScrollBar(inner, 0, needed);
}

void CVerticalLayoutUI::DoEvent(TEventMsg& event) {
    if (m_separator.HandleEvent(*this, event, m_rcItem, m_cxyFixed))
        return;
    CContainerUI::DoEvent(event);
}

void CVerticalLayoutUI::SetAttribute(const char* pstrName, const char* pstrValue) {
    if (CUIName::Equals(pstrName, "sepheight"))
        SetSepSize(CAttributeValue::ParseInt(pstrValue));
    else if (CUIName::Equals(pstrName, "sepimm"))
        SetSepImmMode(CAttributeValue::ParseBool(pstrValue));
    else
        CContainerUI::SetAttribute(pstrName, pstrValue);
}

void CVerticalLayoutUI::DoPostPaint(HDC hDC, const RECT& /*rcPaint*/) {
    m_separator.PostPaint(hDC, m_rcItem, GetDpiScale());
}

int CVerticalLayoutUI::GetSepSize() const {
    return m_separator.GetSize();
}

void CVerticalLayoutUI::SetSepSize(int iSize) {
    m_separator.SetSize(iSize);
}

bool CVerticalLayoutUI::IsSepImmMode() const {
    return m_separator.IsImmediate();
}

void CVerticalLayoutUI::SetSepImmMode(bool bImmediately) {
    m_separator.SetImmediate(*this, bImmediately);
}

RECT CVerticalLayoutUI::GetThumbRect(bool bUseNewPos) const {
    return m_separator.GetThumbRect(m_rcItem, bUseNewPos, GetDpiScale());
}

}  // namespace SkinUI
