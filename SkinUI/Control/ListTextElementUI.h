#pragma once
#include "SkinUI/Control/ListLabelElementUI.h"

namespace SkinUI {

// A list row of column texts: known by the builder; drawn as a label row for now.
class CListTextElementUI : public CListLabelElementUI {
public:
    CListTextElementUI() = default;

    const char* GetClass() const override;
    LPVOID GetInterface(const char* pstrName) override;
};

} // namespace SkinUI
