#include "SkinUI/Control/ListTextElementUI.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

const char* CListTextElementUI::GetClass() const
{
    return "ListTextElementUI";
}

LPVOID CListTextElementUI::GetInterface(const char* pstrName)
{
    if (CUIName::Equals(pstrName, "ListTextElement")) return this;
    return CListLabelElementUI::GetInterface(pstrName);
}

} // namespace SkinUI
