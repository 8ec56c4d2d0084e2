#pragma once
#include "SkinUI/Layout/HorizontalLayoutUI.h"

namespace SkinUI {

// The header row of a list: known by the builder; lays out its items only.
class CListHeaderUI : public CHorizontalLayoutUI {
public:
    CListHeaderUI() = default;

    const char* GetClass() const override;
    LPVOID GetInterface(const char* pstrName) override;
};

} // namespace SkinUI
