#pragma once
#include "SkinUI/Layout/BoxLayoutUI.h"

namespace SkinUI {

// Stacks its visible children left to right.
class CHorizontalLayoutUI : public CBoxLayoutUI {
public:
    CHorizontalLayoutUI()
        : CBoxLayoutUI(false)
    {}

    const char* GetClass() const override;
    LPVOID GetInterface(const char* pstrName) override;
};

} // namespace SkinUI
