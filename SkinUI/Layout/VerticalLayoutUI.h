#pragma once
#include "SkinUI/Layout/BoxLayoutUI.h"

namespace SkinUI {

// Stacks its visible children top to bottom.
class CVerticalLayoutUI : public CBoxLayoutUI {
public:
    CVerticalLayoutUI()
        : CBoxLayoutUI(true)
    {}

    const char* GetClass() const override;
    LPVOID GetInterface(const char* pstrName) override;
};

} // namespace SkinUI
