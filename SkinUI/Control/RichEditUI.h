#pragma once
#include "SkinUI/Core/ContainerUI.h"

namespace SkinUI {

// A rich edit: known by the builder, without text services yet.
class CRichEditUI : public CContainerUI {
public:
    CRichEditUI() = default;

    const char* GetClass() const override;
    LPVOID GetInterface(const char* pstrName) override;
};

} // namespace SkinUI
