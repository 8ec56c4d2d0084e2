#pragma once
#include "SkinUI/Core/ContainerUI.h"
#include "SkinUI/Layout/LayoutSeparatorTracker.h"

namespace SkinUI {

// Stacks its visible children along one axis; optionally resizable by a separator strip.
class CBoxLayoutUI : public CContainerUI {
public:
    explicit CBoxLayoutUI(bool bVertical);

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
    const bool m_bVertical;
    CLayoutSeparatorTracker m_separator;
};

} // namespace SkinUI
