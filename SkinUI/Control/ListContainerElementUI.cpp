#include "SkinUI/Control/ListContainerElementUI.h"
#include <cstring>

namespace SkinUI {

const char* CListContainerElementUI::GetClass() const
{
    return "ListContainerElementUI";
}

LPVOID CListContainerElementUI::GetInterface(const char* pstrName)
{
    if (std::strcmp(pstrName, "ListContainerElement") == 0) return this;
    return CHorizontalLayoutUI::GetInterface(pstrName);
}

} // namespace SkinUI
