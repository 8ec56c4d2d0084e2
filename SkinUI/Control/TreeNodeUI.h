#pragma once
#include "SkinUI/Control/ListContainerElementUI.h"

namespace SkinUI {

// A node of a tree view: known by the builder; holds its item controls and child nodes as children.
class CTreeNodeUI : public CListContainerElementUI {
public:
    explicit CTreeNodeUI(CTreeNodeUI* pParentNode = nullptr);

    const char* GetClass() const override;
    LPVOID GetInterface(const char* pstrName) override;

    CTreeNodeUI* GetParentNode() const;
    bool AddChildNode(CTreeNodeUI* pNode);
    // The controls that make up the node's own row.
    bool AddItem(CControlUI* pControl);

private:
    CTreeNodeUI* m_pParentNode = nullptr;
};

} // namespace SkinUI
