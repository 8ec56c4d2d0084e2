#include "SkinUI/Layout/VerticalLayoutUI.h"
#include <cstring>
#include "SkinUI/Core/AttributeValue.h"
#include "SkinUI/Layout/LayoutPlacement.h"

namespace SkinUI {

const char* CVerticalLayoutUI::GetClass() const {
    return "VerticalLayoutUI";
}

LPVOID CVerticalLayoutUI::GetInterface(const char* pstrName) {
    if (pstrName != nullptr && std::strcmp(pstrName, "VerticalLayout") == 0)
        return this;
    return CContainerUI::GetInterface(pstrName);
}

void CVerticalLayoutUI::SetPos(RECT rc) {
    CControlUI::SetPos(rc);
    const RECT inner = GetInnerRect();
    const int needed = GetCount() > 0 ? LayoutPlaceFlow(*this, inner, true) : 0;
    ProcessScrollBar(inner, 0, needed);
}

void CVerticalLayoutUI::DoEvent(TEventMsg& event) {
    if (m_separator.HandleEvent(*this, event, m_rcItem, m_cxyFixed))
        return;
    CContainerUI::DoEvent(event);
}

void CVerticalLayoutUI::SetAttribute(const char* pstrName, const char* pstrValue) {
    if (pstrName != nullptr && std::strcmp(pstrName, "sepheight") == 0)
        SetSepSize(CAttributeValue::ParseInt(pstrValue));
    else if (pstrName != nullptr && std::strcmp(pstrName, "sepimm") == 0)
        SetSepImmMode(CAttributeValue::ParseBool(pstrValue));
    else
        CContainerUI::SetAttribute(pstrName, pstrValue);
}

void CVerticalLayoutUI::DoPostPaint(HDC hDC, const RECT& /*rcPaint*/) {
    m_separator.PostPaint(hDC, m_rcItem);
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
    return m_separator.GetThumbRect(m_rcItem, bUseNewPos);
}

}  // namespace SkinUI
