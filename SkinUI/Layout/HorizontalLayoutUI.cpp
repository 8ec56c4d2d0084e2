#include "SkinUI/Layout/HorizontalLayoutUI.h"
#include <cstring>
#include "SkinUI/Core/AttributeValue.h"
#include "SkinUI/Layout/LayoutPlacement.h"

namespace SkinUI {

const char* CHorizontalLayoutUI::GetClass() const {
    return "HorizontalLayoutUI";
}

LPVOID CHorizontalLayoutUI::GetInterface(const char* pstrName) {
    if (pstrName != nullptr && std::strcmp(pstrName, "HorizontalLayout") == 0)
        return this;
    return CContainerUI::GetInterface(pstrName);
}

void CHorizontalLayoutUI::SetPos(RECT rc) {
    CControlUI::SetPos(rc);
    const RECT inner = GetInnerRect();
    const int needed = GetCount() > 0 ? LayoutPlaceFlow(*this, inner, false) : 0;
    ProcessScrollBar(inner, needed, 0);
}

void CHorizontalLayoutUI::DoEvent(TEventMsg& event) {
    if (m_separator.HandleEvent(*this, event, m_rcItem, m_cxyFixed))
        return;
    CContainerUI::DoEvent(event);
}

void CHorizontalLayoutUI::SetAttribute(const char* pstrName, const char* pstrValue) {
    if (pstrName != nullptr && std::strcmp(pstrName, "sepwidth") == 0)
        SetSepSize(CAttributeValue::ParseInt(pstrValue));
    else if (pstrName != nullptr && std::strcmp(pstrName, "sepimm") == 0)
        SetSepImmMode(CAttributeValue::ParseBool(pstrValue));
    else
        CContainerUI::SetAttribute(pstrName, pstrValue);
}

void CHorizontalLayoutUI::DoPostPaint(HDC hDC, const RECT& /*rcPaint*/) {
    m_separator.PostPaint(hDC, m_rcItem);
}

int CHorizontalLayoutUI::GetSepSize() const {
    return m_separator.GetSize();
}

void CHorizontalLayoutUI::SetSepSize(int iSize) {
    m_separator.SetSize(iSize);
}

bool CHorizontalLayoutUI::IsSepImmMode() const {
    return m_separator.IsImmediate();
}

void CHorizontalLayoutUI::SetSepImmMode(bool bImmediately) {
    m_separator.SetImmediate(*this, bImmediately);
}

RECT CHorizontalLayoutUI::GetThumbRect(bool bUseNewPos) const {
    return m_separator.GetThumbRect(m_rcItem, bUseNewPos);
}

}  // namespace SkinUI
