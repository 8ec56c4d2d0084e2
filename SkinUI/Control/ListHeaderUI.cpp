#include "SkinUI/Control/ListHeaderUI.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

const char* CListHeaderUI::GetClass() const
{
    return "ListHeaderUI";
}

LPVOID CListHeaderUI::GetInterface(const char* pstrName)
{
    if (CUIName::Equals(pstrName, "ListHeader")) return this;
    return CHorizontalLayoutUI::GetInterface(pstrName);
}

} // namespace SkinUI
