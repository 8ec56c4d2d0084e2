#pragma once
#include "SkinUI/Control/ButtonStatePick.h"
#include "SkinUI/Control/LabelUI.h"

namespace SkinUI {

// A label that tracks hot, pushed and focused states, paints state images and sends "click".
class CButtonUI : public CLabelUI {
public:
    CButtonUI();

    const char* GetClass() const override;
    LPVOID GetInterface(const char* pstrName) override;
    UINT GetControlFlags() const override;
    bool Activate() override;
    void SetEnabled(bool bEnable = true) override;
    void DoEvent(TEventMsg& event) override;
    SIZE EstimateSize(SIZE szAvailable) override;
    void PaintStatusImage(HDC hDC) override;
    void PaintText(HDC hDC) override;
    void SetAttribute(const char* pstrName, const char* pstrValue) override;

    UINT GetButtonState() const;
    void SetHotBkColor(DWORD color);
    DWORD GetHotBkColor() const;
    void SetHotTextColor(DWORD color);
    DWORD GetHotTextColor() const;
    void SetPushedTextColor(DWORD color);
    DWORD GetPushedTextColor() const;
    void SetFocusedTextColor(DWORD color);
    DWORD GetFocusedTextColor() const;

    CUIString GetNormalImage() const;
    void SetNormalImage(const char* image);
    CUIString GetHotImage() const;
    void SetHotImage(const char* image);
    CUIString GetHotForeImage() const;
    void SetHotForeImage(const char* image);
    CUIString GetPushedImage() const;
    void SetPushedImage(const char* image);
    CUIString GetFocusedImage() const;
    void SetFocusedImage(const char* image);
    CUIString GetDisabledImage() const;
    void SetDisabledImage(const char* image);

protected:
    void RefreshFocusAndEnable();
    // Draws an image string; one that fails to draw is emptied so it is not tried again.
    void PaintButtonStatus(HDC hDC);
    DWORD StateTextColor() const;

    UINT m_uButtonState = 0;

private:
    bool OnMouseEvent(TEventMsg& event);
    void PaintStep(HDC hDC, EButtonStep step);
    void PaintImageAndFore(HDC hDC, CUIString& image, CUIString& foreImage);

    DWORD m_dwHotBkColor = 0;
    DWORD m_dwHotTextColor = 0;
    DWORD m_dwPushedTextColor = 0;
    DWORD m_dwFocusedTextColor = 0;
    CUIString m_sNormalImage;
    CUIString m_sHotImage;
    CUIString m_sHotForeImage;
    CUIString m_sPushedImage;
    CUIString m_sPushedForeImage;
    CUIString m_sFocusedImage;
    CUIString m_sDisabledImage;
};

} // namespace SkinUI
