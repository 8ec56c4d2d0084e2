#include "SkinUI/Control/ProgressUI.h"
#include <cstring>

namespace SkinUI {

const char* CProgressUI::GetClass() const
{
    return "ProgressUI";
}

LPVOID CProgressUI::GetInterface(const char* pstrName)
{
    if (std::strcmp(pstrName, "Progress") == 0) return this;
    return CControlUI::GetInterface(pstrName);
}

} // namespace SkinUI
