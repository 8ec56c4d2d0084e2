#include "SkinUI/Control/RichEditUI.h"
#include <cstring>

namespace SkinUI {

const char* CRichEditUI::GetClass() const
{
    return "RichEditUI";
}

LPVOID CRichEditUI::GetInterface(const char* pstrName)
{
    if (std::strcmp(pstrName, "RichEdit") == 0) return this;
    return CContainerUI::GetInterface(pstrName);
}

} // namespace SkinUI
