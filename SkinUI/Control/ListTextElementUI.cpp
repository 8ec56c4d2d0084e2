#include "SkinUI/Control/ListTextElementUI.h"
#include <cstring>

namespace SkinUI {

const char* CListTextElementUI::GetClass() const
{
    return "ListTextElementUI";
}

LPVOID CListTextElementUI::GetInterface(const char* pstrName)
{
    if (std::strcmp(pstrName, "ListTextElement") == 0) return this;
    return CListLabelElementUI::GetInterface(pstrName);
}

} // namespace SkinUI
