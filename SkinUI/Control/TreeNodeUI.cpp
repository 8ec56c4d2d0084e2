#include "SkinUI/Control/TreeNodeUI.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

CTreeNodeUI::CTreeNodeUI(CTreeNodeUI* pParentNode)
    : m_pParentNode(pParentNode)
{}

const char* CTreeNodeUI::GetClass() const
{
    return "TreeNodeUI";
}

LPVOID CTreeNodeUI::GetInterface(const char* pstrName)
{
    if (CUIName::Equals(pstrName, "TreeNode")) return this;
    return CListContainerElementUI::GetInterface(pstrName);
}

CTreeNodeUI* CTreeNodeUI::GetParentNode() const
{
    return m_pParentNode;
}

bool CTreeNodeUI::AddChildNode(CTreeNodeUI* pNode)
{
    if (pNode == nullptr || !Add(pNode)) return false;
    pNode->m_pParentNode = this;
    return true;
}

bool CTreeNodeUI::AddItem(CControlUI* pControl)
{
    return Add(pControl);
}

} // namespace SkinUI
