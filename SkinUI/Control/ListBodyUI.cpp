#include "SkinUI/Control/ListBodyUI.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

const char* CListBodyUI::GetClass() const
{
    return "ListBodyUI";
}

LPVOID CListBodyUI::GetInterface(const char* pstrName)
{
    if (CUIName::Equals(pstrName, "ListBody")) return this;
    return CVerticalLayoutUI::GetInterface(pstrName);
}

} // namespace SkinUI
