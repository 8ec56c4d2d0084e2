#pragma once
#include "SkinUI/Core/ContainerUI.h"
#include "SkinUI/Layout/LayoutSeparatorTracker.h"

namespace SkinUI {

// Stacks its visible children top to bottom; optionally resizable by a separator strip.
class CVerticalLayoutUI : public CContainerUI {
public:
    CVerticalLayoutUI() = default;

    const char* GetClass() const override;
    LPVOID GetInterface(const char* pstrName) override;
    void SetPos(RECT rc) override;
    void DoEvent(TEventMsg& event) override;
    void SetAttribute(const char* pstrName, const char* pstrValue) override;
    void DoPostPaint(HDC hDC, const RECT& rcPaint) override;

    int GetSepSize() const;
    void SetSepSize(int iSize);
    bool IsSepImmMode() const;
    void SetSepImmMode(bool bImmediately);
    RECT GetThumbRect(bool bUseNewPos = false) const;

private:
    CLayoutSeparatorTracker m_separator{true};
};

}  // namespace SkinUI
