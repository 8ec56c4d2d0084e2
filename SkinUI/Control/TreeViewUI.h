#pragma once
#include "SkinUI/Control/ListUI.h"

namespace SkinUI {

// A tree of nodes: known by the builder; holds its top-level nodes as children.
class CTreeViewUI : public CListUI {
public:
    CTreeViewUI() = default;

    const char* GetClass() const override;
    LPVOID GetInterface(const char* pstrName) override;
};

} // namespace SkinUI
