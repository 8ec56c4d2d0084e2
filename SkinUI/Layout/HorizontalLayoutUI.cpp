#include "SkinUI/Layout/HorizontalLayoutUI.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

const char* CHorizontalLayoutUI::GetClass() const
{
    return "HorizontalLayoutUI";
}

LPVOID CHorizontalLayoutUI::GetInterface(const char* pstrName)
{
    if (CUIName::Equals(pstrName, "HorizontalLayout")) return this;
    return CBoxLayoutUI::GetInterface(pstrName);
}

} // namespace SkinUI
