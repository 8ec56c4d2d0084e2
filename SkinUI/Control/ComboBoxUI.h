#pragma once
#include "SkinUI/Control/ComboUI.h"

namespace SkinUI {

// A combo that draws its drop-down arrow from a five-state image strip.
class CComboBoxUI : public CComboUI {
public:
    CComboBoxUI() = default;

    const char* GetClass() const override;
    void SetAttribute(const char* pstrName, const char* pstrValue) override;
    void PaintStatusImage(HDC hDC) override;
    void PaintText(HDC hDC) override;

    CUIString GetArrowImage() const;
    void SetArrowImage(const char* pstrImage);
    int GetArrowWidth() const;

private:
    CUIString m_sArrowImage;
    int m_nArrowWidth = 0;
};

} // namespace SkinUI
