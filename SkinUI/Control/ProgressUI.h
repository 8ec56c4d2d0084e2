#pragma once
#include "SkinUI/Core/ControlUI.h"

namespace SkinUI {

// A progress bar: known by the builder, not drawn yet.
class CProgressUI : public CControlUI {
public:
    CProgressUI() = default;

    const char* GetClass() const override;
    LPVOID GetInterface(const char* pstrName) override;
};

} // namespace SkinUI
