#include "SkinUI/Layout/HorizontalLayoutUI.h"
#include "SkinUI/Core/AttributeValue.h"
#include "SkinUI/Layout/LayoutPlacement.h"
#include "SkinUI/Utils/UIName.h"
#include "SkinUI/Utils/UIRectWin.h"

namespace SkinUI {

const char* CHorizontalLayoutUI::GetClass() const {
    return "HorizontalLayoutUI";
}

LPVOID CHorizontalLayoutUI::GetInterface(const char* pstrName) {
    if (CUIName::Equals(pstrName, "HorizontalLayout"))
        return this;
    return CContainerUI::GetInterface(pstrName);
}

void CHorizontalLayoutUI::SetPos(RECT rc) {
    CControlUI::SetPos(rc);
    const RECT inner = GetInnerRect();
    const int needed = GetCount() > 0 ? LayoutPlaceFlow(*this, ToUIRect(inner), false) : 0;
    ProcessScrollBar(inner, needed, 0);
}

void CHorizontalLayoutUI::DoEvent(TEventMsg& event) {
    if (m_separator.HandleEvent(*this, event, m_rcItem, m_cxyFixed))
        return;
    CContainerUI::DoEvent(event);
}

void CHorizontalLayoutUI::SetAttribute(const char* pstrName, const char* pstrValue) {
    if (CUIName::Equals(pstrName, "sepwidth"))
        SetSepSize(CAttributeValue::ParseInt(pstrValue));
    else if (CUIName::Equals(pstrName, "sepimm"))
        SetSepImmMode(CAttributeValue::ParseBool(pstrValue));
    else
        CContainerUI::SetAttribute(pstrName, pstrValue);
}

void CHorizontalLayoutUI::DoPostPaint(HDC hDC, const RECT& /*rcPaint*/) {
    m_separator.PostPaint(hDC, m_rcItem, GetDpiScale());
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
    return m_separator.GetThumbRect(m_rcItem, bUseNewPos, GetDpiScale());
}

}  // namespace SkinUI
