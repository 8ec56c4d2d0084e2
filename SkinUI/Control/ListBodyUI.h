#pragma once
#include "SkinUI/Layout/VerticalLayoutUI.h"

namespace SkinUI {

// The scrolled body of a list: known by the builder; lays out its children only.
class CListBodyUI : public CVerticalLayoutUI {
public:
    CListBodyUI() = default;

    const char* GetClass() const override;
    LPVOID GetInterface(const char* pstrName) override;
};

} // namespace SkinUI
