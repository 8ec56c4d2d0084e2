#include "SkinUI/Control/ListBodyUI.h"
#include <cstring>

namespace SkinUI {

const char* CListBodyUI::GetClass() const
{
    return "ListBodyUI";
}

LPVOID CListBodyUI::GetInterface(const char* pstrName)
{
    if (std::strcmp(pstrName, "ListBody") == 0) return this;
    return CVerticalLayoutUI::GetInterface(pstrName);
}

} // namespace SkinUI
