#pragma once
#include "SkinUI/Core/ControlUI.h"

namespace SkinUI {

// A list row of column texts: known by the builder, not drawn yet.
class CListTextElementUI : public CControlUI {
public:
    CListTextElementUI() = default;

    const char* GetClass() const override;
    LPVOID GetInterface(const char* pstrName) override;
};

} // namespace SkinUI
