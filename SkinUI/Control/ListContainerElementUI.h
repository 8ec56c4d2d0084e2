#pragma once
#include "SkinUI/Layout/HorizontalLayoutUI.h"

namespace SkinUI {

// A list row holding controls: known by the builder; lays out its children only.
class CListContainerElementUI : public CHorizontalLayoutUI {
public:
    CListContainerElementUI() = default;

    const char* GetClass() const override;
    LPVOID GetInterface(const char* pstrName) override;
};

} // namespace SkinUI
