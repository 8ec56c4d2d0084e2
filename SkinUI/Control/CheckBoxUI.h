#pragma once
#include "SkinUI/Control/OptionUI.h"

namespace SkinUI {

// An option under its own class name; without a group it toggles on every click.
class CCheckBoxUI : public COptionUI {
public:
    CCheckBoxUI() = default;

    const char* GetClass() const override;
};

} // namespace SkinUI
