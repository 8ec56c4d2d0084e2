#pragma once
#include "SkinUI/Control/GdiplusSession.h"
#include "SkinUI/Control/LabelEffectStyle.h"
#include "SkinUI/Core/ControlUI.h"

namespace SkinUI {

// Static text, drawn plain, as html-like text, or with gradient, stroke and shadow effects.
class CLabelUI : public CControlUI {
public:
    CLabelUI() = default;

    const char* GetClass() const override;
    LPVOID GetInterface(const char* pstrName) override;
    void SetText(const char* pstrText) override;
    CUIString GetText() const override;
    void DoEvent(TEventMsg& event) override;
    SIZE EstimateSize(SIZE szAvailable) override;
    void PaintText(HDC hDC) override;
    void SetAttribute(const char* pstrName, const char* pstrValue) override;

    void SetTextStyle(UINT uStyle);
    UINT GetTextStyle() const;
    void SetTextColor(DWORD dwTextColor);
    DWORD GetTextColor() const;
    void SetDisabledTextColor(DWORD dwTextColor);
    DWORD GetDisabledTextColor() const;
    void SetFont(int index);
    int GetFont() const;
    RECT GetTextPadding() const;
    void SetTextPadding(RECT rc);
    bool IsShowHtml() const;
    void SetShowHtml(bool bShowHtml = true);
    // Glyph advances do not grow exactly with the skin's lengths: away from 96 DPI a label
    // that must show its whole text widens to it (at 96 DPI its own width holds).
    void SetWidenToText(bool bWiden = true);
    bool IsWidenToText() const;

    void SetEnabledEffect(bool bEnable);
    bool GetEnabledEffect() const;
    void SetEnabledStroke(bool bEnable);
    bool GetEnabledStroke() const;
    void SetEnabledShadow(bool bEnable);
    bool GetEnabledShadow() const;
    void SetTransShadow(int alpha);
    int GetTransShadow() const;
    void SetTransShadow1(int alpha);
    int GetTransShadow1() const;
    void SetTransText(int alpha);
    int GetTransText() const;
    void SetTransText1(int alpha);
    int GetTransText1() const;
    void SetTransStroke(int alpha);
    int GetTransStroke() const;
    void SetGradientLength(int length);
    int GetGradientLength() const;
    void SetGradientAngle(int angle);
    int GetGradientAngle() const;
    void SetTextColor1(DWORD color);
    DWORD GetTextColor1() const;
    void SetTextShadowColorA(DWORD color);
    DWORD GetTextShadowColorA() const;
    void SetTextShadowColorB(DWORD color);
    DWORD GetTextShadowColorB() const;
    void SetStrokeColor(DWORD color);
    DWORD GetStrokeColor() const;
    void SetTextRenderingHintAntiAlias(int hint);
    int GetTextRenderingHintAntiAlias() const;
    void SetShadowOffset(int offset, int angle);
    POINT GetShadowOffset() const;

protected:
    // Replaces zero colours by the manager's defaults, keeping them from then on.
    void ResolveDefaultColors();
    RECT TextArea() const;
    void DrawLabelText(HDC hDC, RECT rc, DWORD color, UINT style);
    int FontHeight() const;
    // The size, widened where the text and its padding need more, plus margin pixels.
    SIZE WidenedToText(SIZE size, int margin);

    DWORD m_dwTextColor = 0;
    DWORD m_dwDisabledTextColor = 0;
    int m_iFont = -1;
    UINT m_uTextStyle = DT_VCENTER;
    RECT m_rcTextPadding = {0, 0, 0, 0};
    bool m_bShowHtml = false;
    bool m_bWidenToText = false;

private:
    bool SetEffectAttribute(const char* pstrName, const char* pstrValue);
    bool SetEffectColorAttribute(const char* pstrName, const char* pstrValue);
    void PaintEffect(HDC hDC, const RECT& rcText);

    TLabelEffectStyle m_effect;
    bool m_bEffectEnabled = false;
    CUIString m_sEffectText;
    CGdiplusSession m_gdiplus;
};

} // namespace SkinUI
