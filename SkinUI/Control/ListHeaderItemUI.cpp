#include "SkinUI/Control/ListHeaderItemUI.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

const char* CListHeaderItemUI::GetClass() const
{
    return "ListHeaderItemUI";
}

LPVOID CListHeaderItemUI::GetInterface(const char* pstrName)
{
    if (CUIName::Equals(pstrName, "ListHeaderItem")) return this;
    return CControlUI::GetInterface(pstrName);
}

} // namespace SkinUI
