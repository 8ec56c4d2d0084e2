#include "SkinUI/Control/ListUI.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

const char* CListUI::GetClass() const
{
    return "ListUI";
}

LPVOID CListUI::GetInterface(const char* pstrName)
{
    if (CUIName::Equals(pstrName, "List")) return this;
    return CVerticalLayoutUI::GetInterface(pstrName);
}

} // namespace SkinUI
