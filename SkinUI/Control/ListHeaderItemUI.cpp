#include "SkinUI/Control/ListHeaderItemUI.h"
#include <cstring>

namespace SkinUI {

const char* CListHeaderItemUI::GetClass() const
{
    return "ListHeaderItemUI";
}

LPVOID CListHeaderItemUI::GetInterface(const char* pstrName)
{
    if (std::strcmp(pstrName, "ListHeaderItem") == 0) return this;
    return CControlUI::GetInterface(pstrName);
}

} // namespace SkinUI
