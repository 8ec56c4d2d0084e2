#pragma once
#include "SkinUI/Core/ContainerUI.h"

namespace SkinUI {

// A rich edit: known by the builder, without text services yet.
class CRichEditUI : public CContainerUI {
public:
    CRichEditUI() = default;

    const char* GetClass() const override;
    LPVOID GetInterface(const char* pstrName) override;
    void SetAttribute(const char* pstrName, const char* pstrValue) override;

    // Whether the Tab key, while it has the focus, is its own instead of moving the focus.
    bool IsWantTab() const;
    void SetWantTab(bool bWantTab);

private:
    bool m_bWantTab = false;
};

} // namespace SkinUI
