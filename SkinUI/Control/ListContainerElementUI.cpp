#include "SkinUI/Control/ListContainerElementUI.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

const char* CListContainerElementUI::GetClass() const
{
    return "ListContainerElementUI";
}

LPVOID CListContainerElementUI::GetInterface(const char* pstrName)
{
    if (CUIName::Equals(pstrName, "ListContainerElement")) return this;
    return CHorizontalLayoutUI::GetInterface(pstrName);
}

} // namespace SkinUI
