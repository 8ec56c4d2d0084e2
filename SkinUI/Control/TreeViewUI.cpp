#include "SkinUI/Control/TreeViewUI.h"
#include <cstring>

namespace SkinUI {

const char* CTreeViewUI::GetClass() const
{
    return "TreeViewUI";
}

LPVOID CTreeViewUI::GetInterface(const char* pstrName)
{
    if (std::strcmp(pstrName, "TreeView") == 0) return this;
    return CListUI::GetInterface(pstrName);
}

} // namespace SkinUI
