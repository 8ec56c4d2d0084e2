#include "SkinUI/Control/ListUI.h"
#include <cstring>

namespace SkinUI {

const char* CListUI::GetClass() const
{
    return "ListUI";
}

LPVOID CListUI::GetInterface(const char* pstrName)
{
    if (std::strcmp(pstrName, "List") == 0) return this;
    return CVerticalLayoutUI::GetInterface(pstrName);
}

} // namespace SkinUI
