#include "SkinUI/Control/RichEditUI.h"
#include "SkinUI/Core/AttributeValue.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

const char* CRichEditUI::GetClass() const
{
    return "RichEditUI";
}

LPVOID CRichEditUI::GetInterface(const char* pstrName)
{
    if (CUIName::Equals(pstrName, "RichEdit")) return this;
    return CContainerUI::GetInterface(pstrName);
}

void CRichEditUI::SetAttribute(const char* pstrName, const char* pstrValue)
{
    if (CUIName::Equals(pstrName, "wanttab"))
        SetWantTab(CAttributeValue::ParseBool(pstrValue));
    else
        CContainerUI::SetAttribute(pstrName, pstrValue);
}

bool CRichEditUI::IsWantTab() const
{
    return m_bWantTab;
}

void CRichEditUI::SetWantTab(bool bWantTab)
{
    m_bWantTab = bWantTab;
}

} // namespace SkinUI
