#include "SkinUI/Control/RichEditUI.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

const char* CRichEditUI::GetClass() const
{
    return "RichEditUI";
}

LPVOID CRichEditUI::GetInterface(const char* pstrName)
{
    if (CUIName::Equals(pstrName, "RichEdit")) return this;
    return CContainerUI::GetInterface(pstrName);
}

} // namespace SkinUI
