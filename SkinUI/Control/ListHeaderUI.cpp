#include "SkinUI/Control/ListHeaderUI.h"
#include <cstring>

namespace SkinUI {

const char* CListHeaderUI::GetClass() const
{
    return "ListHeaderUI";
}

LPVOID CListHeaderUI::GetInterface(const char* pstrName)
{
    if (std::strcmp(pstrName, "ListHeader") == 0) return this;
    return CHorizontalLayoutUI::GetInterface(pstrName);
}

} // namespace SkinUI
