#include "SkinUI/Layout/VerticalLayoutUI.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

const char* CVerticalLayoutUI::GetClass() const
{
    return "VerticalLayoutUI";
}

LPVOID CVerticalLayoutUI::GetInterface(const char* pstrName)
{
    if (CUIName::Equals(pstrName, "VerticalLayout")) return this;
    return CBoxLayoutUI::GetInterface(pstrName);
}

} // namespace SkinUI
