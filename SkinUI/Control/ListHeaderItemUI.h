#pragma once
#include "SkinUI/Core/ControlUI.h"

namespace SkinUI {

// One column heading of a list header: known by the builder, not drawn yet.
class CListHeaderItemUI : public CControlUI {
public:
    CListHeaderItemUI() = default;

    const char* GetClass() const override;
    LPVOID GetInterface(const char* pstrName) override;
};

} // namespace SkinUI
