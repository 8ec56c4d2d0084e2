#include "SkinUI/Control/TreeViewUI.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

const char* CTreeViewUI::GetClass() const
{
    return "TreeViewUI";
}

LPVOID CTreeViewUI::GetInterface(const char* pstrName)
{
    if (CUIName::Equals(pstrName, "TreeView")) return this;
    return CListUI::GetInterface(pstrName);
}

} // namespace SkinUI
