#include "SkinUI/Control/ProgressUI.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

const char* CProgressUI::GetClass() const
{
    return "ProgressUI";
}

LPVOID CProgressUI::GetInterface(const char* pstrName)
{
    if (CUIName::Equals(pstrName, "Progress")) return this;
    return CControlUI::GetInterface(pstrName);
}

} // namespace SkinUI
