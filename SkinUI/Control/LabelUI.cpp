#include "SkinUI/Control/LabelUI.h"
#include "SkinUI/Control/LabelEffectPainter.h"
#include "SkinUI/Control/LabelRules.h"
#include "SkinUI/Core/AttributeValue.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/UIRender.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

static_assert(CLabelRules::kCenter == DT_CENTER && CLabelRules::kRight == DT_RIGHT &&
                  CLabelRules::kVCenter == DT_VCENTER && CLabelRules::kBottom == DT_BOTTOM &&
                  CLabelRules::kSingleLine == DT_SINGLELINE && DT_LEFT == 0 && DT_TOP == 0,
              "the label rules' style bits are the text drawing flags");

namespace {

int ReadInt(const char* value)
{
    return CAttributeValue::ParseInt(value);
}

bool ReadBool(const char* value)
{
    return CAttributeValue::ParseBool(value);
}

DWORD ReadColor(const char* value)
{
    return CAttributeValue::ParseColor(value);
}

} // namespace

const char* CLabelUI::GetClass() const
{
    return "LabelUI";
}

LPVOID CLabelUI::GetInterface(const char* pstrName)
{
    if (CUIName::Equals(pstrName, "Label")) return this;
    return CControlUI::GetInterface(pstrName);
}

void CLabelUI::SetText(const char* pstrText)
{
    if (!m_bEffectEnabled) {
        const bool changed = m_sText != (pstrText != nullptr ? pstrText : "");
        CControlUI::SetText(pstrText);
        if (changed && m_bWidenToText && !GetDpiScale().IsBase()) NeedParentUpdate();
        return;
    }
    m_sEffectText = pstrText;
}

CUIString CLabelUI::GetText() const
{
    return m_bEffectEnabled ? m_sEffectText : CControlUI::GetText();
}

void CLabelUI::DoEvent(TEventMsg& event)
{
    if (event.Type == UIEVENT_SETFOCUS) {
        m_bFocused = true;
        return;
    }
    if (event.Type == UIEVENT_KILLFOCUS) {
        m_bFocused = false;
        return;
    }
    CControlUI::DoEvent(event);
}

int CLabelUI::FontHeight() const
{
    if (m_pManager == nullptr) return 0;
    return m_pManager->GetFontInfo(m_iFont)->tm.tmHeight;
}

SIZE CLabelUI::EstimateSize(SIZE /*szAvailable*/)
{
    if (m_cxyFixed.cy != 0 || m_pManager == nullptr) return WidenedToText(ScaledFixedSize(), 0);
    return WidenedToText(SIZE{Scaled(m_cxyFixed.cx), FontHeight() + Scaled(4)}, 0);
}

SIZE CLabelUI::WidenedToText(SIZE size, int margin)
{
    if (!m_bWidenToText || m_pManager == nullptr || GetDpiScale().IsBase() || size.cx == 0 || m_sText.IsEmpty())
        return size;
    RECT rc = {0, 0, 9999, 100};
    const UINT style = (m_uTextStyle & ~(DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM)) | DT_SINGLELINE | DT_CALCRECT;
    if (m_bShowHtml) {
        int links = 0;
        CUIRender::DrawHtmlText(m_pManager->GetPaintDC(), m_pManager, rc, m_sText, 0, nullptr, nullptr, links, style);
    } else {
        CUIRender::DrawPlainText(m_pManager->GetPaintDC(), m_pManager, rc, m_sText, 0, m_iFont, style);
    }
    const RECT padding = GetDpiScale().ScaleRect(m_rcTextPadding);
    const int needed = rc.right - rc.left + padding.left + padding.right + margin;
    if (needed > size.cx) size.cx = GetDpiScale().Scale(GetDpiScale().SpanCovering(needed));
    return size;
}

void CLabelUI::ResolveDefaultColors()
{
    if (m_pManager == nullptr) return;
    if (m_dwTextColor == 0) m_dwTextColor = m_pManager->GetDefaultFontColor();
    if (m_dwDisabledTextColor == 0) m_dwDisabledTextColor = m_pManager->GetDefaultDisabledColor();
}

RECT CLabelUI::TextArea() const
{
    const RECT padding = GetDpiScale().ScaleRect(m_rcTextPadding);
    return RECT{m_rcItem.left + padding.left, m_rcItem.top + padding.top, m_rcItem.right - padding.right,
                m_rcItem.bottom - padding.bottom};
}

void CLabelUI::DrawLabelText(HDC hDC, RECT rc, DWORD color, UINT style)
{
    if (m_bShowHtml) {
        int links = 0;
        CUIRender::DrawHtmlText(hDC, m_pManager, rc, m_sText, color, nullptr, nullptr, links, style);
    } else {
        CUIRender::DrawPlainText(hDC, m_pManager, rc, m_sText, color, m_iFont, style);
    }
}

void CLabelUI::PaintText(HDC hDC)
{
    ResolveDefaultColors();
    const RECT rc = TextArea();
    if (m_bEffectEnabled) {
        PaintEffect(hDC, rc);
        return;
    }
    if (m_sText.IsEmpty()) return;
    DrawLabelText(hDC, rc, IsEnabled() ? m_dwTextColor : m_dwDisabledTextColor, m_uTextStyle | DT_SINGLELINE);
}

void CLabelUI::PaintEffect(HDC hDC, const RECT& rcText)
{
    if (!m_gdiplus.IsStarted()) return;
    HFONT font = m_pManager != nullptr ? m_pManager->GetFont(m_iFont) : nullptr;
    CLabelEffectPainter::Paint(hDC, font, rcText, m_sEffectText, m_dwTextColor, m_effect);
}

void CLabelUI::SetAttribute(const char* pstrName, const char* pstrValue)
{
    if (pstrName == nullptr) return;
    if (pstrValue == nullptr) pstrValue = "";
    if (CUIName::Equals(pstrName, "align")) {
        SetTextStyle(CLabelRules::ApplyAlign(m_uTextStyle, pstrValue));
    } else if (CUIName::Equals(pstrName, "endellipsis")) {
        SetTextStyle(ReadBool(pstrValue) ? (m_uTextStyle | DT_END_ELLIPSIS) : (m_uTextStyle & ~DT_END_ELLIPSIS));
    } else if (CUIName::Equals(pstrName, "font")) {
        SetFont(ReadInt(pstrValue));
    } else if (CUIName::Equals(pstrName, "textcolor")) {
        SetTextColor(ReadColor(pstrValue));
    } else if (CUIName::Equals(pstrName, "disabledtextcolor")) {
        SetDisabledTextColor(ReadColor(pstrValue));
    } else if (CUIName::Equals(pstrName, "textpadding")) {
        int v[4] = {};
        CAttributeValue::ParseList(pstrValue, v, 4);
        SetTextPadding(RECT{v[0], v[1], v[2], v[3]});
    } else if (CUIName::Equals(pstrName, "showhtml")) {
        SetShowHtml(ReadBool(pstrValue));
    } else if (!SetEffectAttribute(pstrName, pstrValue) && !SetEffectColorAttribute(pstrName, pstrValue)) {
        CControlUI::SetAttribute(pstrName, pstrValue);
    }
}

bool CLabelUI::SetEffectAttribute(const char* pstrName, const char* pstrValue)
{
    if (CUIName::Equals(pstrName, "enabledeffect")) {
        SetEnabledEffect(ReadBool(pstrValue));
    } else if (CUIName::Equals(pstrName, "rhaa")) {
        SetTextRenderingHintAntiAlias(ReadInt(pstrValue));
    } else if (CUIName::Equals(pstrName, "transshadow")) {
        SetTransShadow(ReadInt(pstrValue));
    } else if (CUIName::Equals(pstrName, "transshadow1")) {
        SetTransShadow1(ReadInt(pstrValue));
    } else if (CUIName::Equals(pstrName, "transtext")) {
        SetTransText(ReadInt(pstrValue));
    } else if (CUIName::Equals(pstrName, "transtext1")) {
        SetTransText1(ReadInt(pstrValue));
    } else if (CUIName::Equals(pstrName, "transstroke")) {
        SetTransStroke(ReadInt(pstrValue));
    } else if (CUIName::Equals(pstrName, "gradientangle")) {
        SetGradientAngle(ReadInt(pstrValue));
    } else if (CUIName::Equals(pstrName, "gradientlength")) {
        SetGradientLength(ReadInt(pstrValue));
    } else if (CUIName::Equals(pstrName, "enabledstroke")) {
        SetEnabledStroke(ReadBool(pstrValue));
    } else if (CUIName::Equals(pstrName, "enabledshadow")) {
        SetEnabledShadow(ReadBool(pstrValue));
    } else if (CUIName::Equals(pstrName, "shadowoffset")) {
        int v[2] = {};
        CAttributeValue::ParseList(pstrValue, v, 2);
        SetShadowOffset(v[0], v[1]);
    } else {
        return false;
    }
    return true;
}

bool CLabelUI::SetEffectColorAttribute(const char* pstrName, const char* pstrValue)
{
    if (CUIName::Equals(pstrName, "textcolor1")) {
        SetTextColor1(ReadColor(pstrValue));
    } else if (CUIName::Equals(pstrName, "textshadowcolora")) {
        SetTextShadowColorA(ReadColor(pstrValue));
    } else if (CUIName::Equals(pstrName, "textshadowcolorb")) {
        SetTextShadowColorB(ReadColor(pstrValue));
    } else if (CUIName::Equals(pstrName, "strokecolor")) {
        SetStrokeColor(ReadColor(pstrValue));
    } else {
        return false;
    }
    return true;
}

void CLabelUI::SetTextStyle(UINT uStyle)
{
    m_uTextStyle = uStyle;
    Invalidate();
}

UINT CLabelUI::GetTextStyle() const
{
    return m_uTextStyle;
}

void CLabelUI::SetTextColor(DWORD dwTextColor)
{
    m_dwTextColor = dwTextColor;
    Invalidate();
}

DWORD CLabelUI::GetTextColor() const
{
    return m_dwTextColor;
}

void CLabelUI::SetDisabledTextColor(DWORD dwTextColor)
{
    m_dwDisabledTextColor = dwTextColor;
    Invalidate();
}

DWORD CLabelUI::GetDisabledTextColor() const
{
    return m_dwDisabledTextColor;
}

void CLabelUI::SetFont(int index)
{
    m_iFont = index;
    Invalidate();
}

int CLabelUI::GetFont() const
{
    return m_iFont;
}

RECT CLabelUI::GetTextPadding() const
{
    return m_rcTextPadding;
}

void CLabelUI::SetTextPadding(RECT rc)
{
    m_rcTextPadding = rc;
    Invalidate();
}

void CLabelUI::SetWidenToText(bool bWiden)
{
    if (m_bWidenToText == bWiden) return;
    m_bWidenToText = bWiden;
    NeedParentUpdate();
}

bool CLabelUI::IsWidenToText() const
{
    return m_bWidenToText;
}

bool CLabelUI::IsShowHtml() const
{
    return m_bShowHtml;
}

void CLabelUI::SetShowHtml(bool bShowHtml)
{
    if (m_bShowHtml == bShowHtml) return;
    m_bShowHtml = bShowHtml;
    Invalidate();
}

void CLabelUI::SetEnabledEffect(bool bEnable)
{
    m_bEffectEnabled = bEnable;
}

bool CLabelUI::GetEnabledEffect() const
{
    return m_bEffectEnabled;
}

void CLabelUI::SetEnabledStroke(bool bEnable)
{
    m_effect.strokeEnabled = bEnable;
}

bool CLabelUI::GetEnabledStroke() const
{
    return m_effect.strokeEnabled;
}

void CLabelUI::SetEnabledShadow(bool bEnable)
{
    m_effect.shadowEnabled = bEnable;
}

bool CLabelUI::GetEnabledShadow() const
{
    return m_effect.shadowEnabled;
}

void CLabelUI::SetTransShadow(int alpha)
{
    m_effect.shadowAlpha = alpha;
}

int CLabelUI::GetTransShadow() const
{
    return m_effect.shadowAlpha;
}

void CLabelUI::SetTransShadow1(int alpha)
{
    m_effect.shadowAlpha2 = alpha;
}

int CLabelUI::GetTransShadow1() const
{
    return m_effect.shadowAlpha2;
}

void CLabelUI::SetTransText(int alpha)
{
    m_effect.textAlpha = alpha;
}

int CLabelUI::GetTransText() const
{
    return m_effect.textAlpha;
}

void CLabelUI::SetTransText1(int alpha)
{
    m_effect.textAlpha2 = alpha;
}

int CLabelUI::GetTransText1() const
{
    return m_effect.textAlpha2;
}

void CLabelUI::SetTransStroke(int alpha)
{
    m_effect.strokeAlpha = alpha;
}

int CLabelUI::GetTransStroke() const
{
    return m_effect.strokeAlpha;
}

void CLabelUI::SetGradientLength(int length)
{
    m_effect.gradientLength = length;
}

int CLabelUI::GetGradientLength() const
{
    return m_effect.gradientLength;
}

void CLabelUI::SetGradientAngle(int angle)
{
    m_effect.gradientAngle = angle;
}

int CLabelUI::GetGradientAngle() const
{
    return m_effect.gradientAngle;
}

void CLabelUI::SetTextColor1(DWORD color)
{
    m_effect.textColor2 = color;
}

DWORD CLabelUI::GetTextColor1() const
{
    return m_effect.textColor2;
}

void CLabelUI::SetTextShadowColorA(DWORD color)
{
    m_effect.shadowColorA = color;
}

DWORD CLabelUI::GetTextShadowColorA() const
{
    return m_effect.shadowColorA;
}

void CLabelUI::SetTextShadowColorB(DWORD color)
{
    m_effect.shadowColorB = color;
}

DWORD CLabelUI::GetTextShadowColorB() const
{
    return m_effect.shadowColorB;
}

void CLabelUI::SetStrokeColor(DWORD color)
{
    m_effect.strokeColor = color;
}

DWORD CLabelUI::GetStrokeColor() const
{
    return m_effect.strokeColor;
}

void CLabelUI::SetTextRenderingHintAntiAlias(int hint)
{
    m_effect.renderingHint = CLabelRules::ClampRenderingHint(hint);
}

int CLabelUI::GetTextRenderingHintAntiAlias() const
{
    return m_effect.renderingHint;
}

void CLabelUI::SetShadowOffset(int offset, int angle)
{
    // Kept relative to the text area: painting adds it to the area's origin.
    CLabelRules::ShadowOffset(offset, angle, m_effect.shadowX, m_effect.shadowY);
}

POINT CLabelUI::GetShadowOffset() const
{
    return POINT{static_cast<LONG>(m_effect.shadowX), static_cast<LONG>(m_effect.shadowY)};
}

} // namespace SkinUI
