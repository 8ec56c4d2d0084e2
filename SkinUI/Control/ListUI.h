#pragma once
#include "SkinUI/Layout/VerticalLayoutUI.h"

namespace SkinUI {

// A list with header and body: known by the builder; lays out its children only.
class CListUI : public CVerticalLayoutUI {
public:
    CListUI() = default;

    const char* GetClass() const override;
    LPVOID GetInterface(const char* pstrName) override;
};

} // namespace SkinUI
