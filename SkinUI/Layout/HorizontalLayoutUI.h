#pragma once
#include "SkinUI/Core/ContainerUI.h"
#include "SkinUI/Layout/LayoutSeparatorTracker.h"

namespace SkinUI {

// Stacks its visible children left to right; optionally resizable by a separator strip.
class CHorizontalLayoutUI : public CContainerUI {
public:
    CHorizontalLayoutUI() = default;

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
    CLayoutSeparatorTracker m_separator{false};
};

}  // namespace SkinUI
