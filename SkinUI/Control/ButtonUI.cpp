#include "SkinUI/Control/ButtonUI.h"
#include "SkinUI/Core/AttributeValue.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/UIRender.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

namespace {

void SetFlag(UINT& state, UINT flag, bool on)
{
    state = on ? (state | flag) : (state & ~flag);
}

} // namespace

CButtonUI::CButtonUI()
{
    m_uTextStyle = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
}

const char* CButtonUI::GetClass() const
{
    return "ButtonUI";
}

LPVOID CButtonUI::GetInterface(const char* pstrName)
{
    if (CUIName::Equals(pstrName, "Button")) return this;
    return CLabelUI::GetInterface(pstrName);
}

UINT CButtonUI::GetControlFlags() const
{
    return (IsKeyboardEnabled() ? UIFLAG_TABSTOP : 0) | (IsEnabled() ? UIFLAG_SETCURSOR : 0);
}

bool CButtonUI::Activate()
{
    // A hidden or disabled button reports that it did nothing.
    if (!CLabelUI::Activate()) return false;
    if (m_pManager != nullptr) m_pManager->SendNotify(this, "click");
    return true;
}

void CButtonUI::SetEnabled(bool bEnable)
{
    CLabelUI::SetEnabled(bEnable);
    if (!IsEnabled()) m_uButtonState = 0;
}

void CButtonUI::DoEvent(TEventMsg& event)
{
    if (PassMouseWhenDisabled(event)) return;
    switch (event.Type) {
    case UIEVENT_SETFOCUS:
    case UIEVENT_KILLFOCUS:
        Invalidate();
        break;
    case UIEVENT_KEYDOWN:
        if (IsKeyboardEnabled() && (event.chKey == VK_SPACE || event.chKey == VK_RETURN)) {
            Activate();
            return;
        }
        break;
    case UIEVENT_SETCURSOR:
        ::SetCursor(::LoadCursor(nullptr, IDC_HAND));
        return;
    default:
        if (OnMouseEvent(event)) return;
        break;
    }
    CLabelUI::DoEvent(event);
}

// True when the event is consumed.
bool CButtonUI::OnMouseEvent(TEventMsg& event)
{
    const bool inside = ::PtInRect(&m_rcItem, event.ptMouse) != FALSE;
    switch (event.Type) {
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_DBLCLICK:
        if (inside && IsEnabled()) {
            m_uButtonState |= UISTATE_PUSHED | UISTATE_CAPTURED;
            Invalidate();
        }
        return true;
    case UIEVENT_MOUSEMOVE:
        if ((m_uButtonState & UISTATE_CAPTURED) != 0) {
            SetFlag(m_uButtonState, UISTATE_PUSHED, inside);
            Invalidate();
        }
        return true;
    case UIEVENT_BUTTONUP:
        if ((m_uButtonState & UISTATE_CAPTURED) != 0) {
            // Cleared first: a "click" listener may disable, move or re-press the button.
            m_uButtonState &= ~(UISTATE_PUSHED | UISTATE_CAPTURED);
            if (inside) Activate();
            Invalidate();
        }
        return true;
    case UIEVENT_CONTEXTMENU:
        if (IsContextMenuUsed() && m_pManager != nullptr) {
            m_pManager->SendNotify(this, "menu", event.wParam, event.lParam);
        }
        return true;
    case UIEVENT_MOUSEENTER:
    case UIEVENT_MOUSELEAVE:
        if (IsEnabled()) {
            SetFlag(m_uButtonState, UISTATE_HOT, event.Type == UIEVENT_MOUSEENTER);
            Invalidate();
        }
        return false;
    default:
        return false;
    }
}

SIZE CButtonUI::EstimateSize(SIZE /*szAvailable*/)
{
    // A widened button keeps its text inside its frame of one skin pixel, and one more
    // pixel for a glyph that reaches past its advance.
    const int margin = 2 * Scaled(1) + 1;
    if (m_cxyFixed.cy != 0 || m_pManager == nullptr) return WidenedToText(ScaledFixedSize(), margin);
    return WidenedToText(SIZE{Scaled(m_cxyFixed.cx), FontHeight() + Scaled(8)}, margin);
}

void CButtonUI::RefreshFocusAndEnable()
{
    SetFlag(m_uButtonState, UISTATE_FOCUSED, IsFocused());
    SetFlag(m_uButtonState, UISTATE_DISABLED, !IsEnabled());
}

void CButtonUI::PaintStatusImage(HDC hDC)
{
    RefreshFocusAndEnable();
    PaintButtonStatus(hDC);
}

void CButtonUI::PaintButtonStatus(HDC hDC)
{
    TButtonImageSet images;
    images.disabled = !m_sDisabledImage.IsEmpty();
    images.pushed = !m_sPushedImage.IsEmpty();
    images.hot = !m_sHotImage.IsEmpty();
    images.hotBkColor = m_dwHotBkColor != 0;
    images.focused = !m_sFocusedImage.IsEmpty();
    PaintStep(hDC, CButtonStatePick::Pick(m_uButtonState, images));
}

void CButtonUI::PaintStep(HDC hDC, EButtonStep step)
{
    switch (step) {
    case EButtonStep::Disabled:
        if (!DrawStateImage(hDC, m_sDisabledImage)) DrawStateImage(hDC, m_sNormalImage);
        break;
    case EButtonStep::Pushed:
        PaintImageAndFore(hDC, m_sPushedImage, m_sPushedForeImage);
        return;
    case EButtonStep::Hot:
        PaintImageAndFore(hDC, m_sHotImage, m_sHotForeImage);
        return;
    case EButtonStep::HotColor:
        CUIRender::DrawColor(hDC, m_rcPaint, GetAdjustColor(m_dwHotBkColor));
        return;
    case EButtonStep::Focused:
        if (!DrawStateImage(hDC, m_sFocusedImage)) DrawStateImage(hDC, m_sNormalImage);
        break;
    case EButtonStep::Normal:
        DrawStateImage(hDC, m_sNormalImage);
        break;
    }
    DrawStateImage(hDC, m_sForeImage);
}

void CButtonUI::PaintImageAndFore(HDC hDC, CUIString& image, CUIString& foreImage)
{
    DrawStateImage(hDC, image);
    if (!foreImage.IsEmpty()) {
        DrawStateImage(hDC, foreImage);
        return;
    }
    DrawStateImage(hDC, m_sForeImage);
}

DWORD CButtonUI::StateTextColor() const
{
    if ((m_uButtonState & UISTATE_PUSHED) != 0 && m_dwPushedTextColor != 0) return m_dwPushedTextColor;
    if ((m_uButtonState & UISTATE_HOT) != 0 && m_dwHotTextColor != 0) return m_dwHotTextColor;
    if ((m_uButtonState & UISTATE_FOCUSED) != 0 && m_dwFocusedTextColor != 0) return m_dwFocusedTextColor;
    return IsEnabled() ? m_dwTextColor : m_dwDisabledTextColor;
}

void CButtonUI::PaintText(HDC hDC)
{
    RefreshFocusAndEnable();
    ResolveDefaultColors();
    if (m_sText.IsEmpty()) return;
    DrawLabelText(hDC, TextArea(), StateTextColor(), m_uTextStyle);
}

void CButtonUI::SetAttribute(const char* pstrName, const char* pstrValue)
{
    if (pstrName == nullptr) return;
    if (pstrValue == nullptr) pstrValue = "";
    if (CUIName::Equals(pstrName, "normalimage")) {
        SetNormalImage(pstrValue);
    } else if (CUIName::Equals(pstrName, "hotimage")) {
        SetHotImage(pstrValue);
    } else if (CUIName::Equals(pstrName, "pushedimage")) {
        SetPushedImage(pstrValue);
    } else if (CUIName::Equals(pstrName, "focusedimage")) {
        SetFocusedImage(pstrValue);
    } else if (CUIName::Equals(pstrName, "disabledimage")) {
        SetDisabledImage(pstrValue);
    } else if (CUIName::Equals(pstrName, "hotforeimage")) {
        SetHotForeImage(pstrValue);
    } else if (CUIName::Equals(pstrName, "foreimage")) {
        m_sForeImage = pstrValue;
        Invalidate();
    } else if (CUIName::Equals(pstrName, "hotbkcolor")) {
        SetHotBkColor(CAttributeValue::ParseColor(pstrValue));
    } else if (CUIName::Equals(pstrName, "hottextcolor")) {
        SetHotTextColor(CAttributeValue::ParseColor(pstrValue));
    } else if (CUIName::Equals(pstrName, "pushedtextcolor")) {
        SetPushedTextColor(CAttributeValue::ParseColor(pstrValue));
    } else if (CUIName::Equals(pstrName, "focusedtextcolor")) {
        SetFocusedTextColor(CAttributeValue::ParseColor(pstrValue));
    } else {
        CLabelUI::SetAttribute(pstrName, pstrValue);
    }
}

UINT CButtonUI::GetButtonState() const
{
    return m_uButtonState;
}

void CButtonUI::SetHotBkColor(DWORD color)
{
    m_dwHotBkColor = color;
}

DWORD CButtonUI::GetHotBkColor() const
{
    return m_dwHotBkColor;
}

void CButtonUI::SetHotTextColor(DWORD color)
{
    m_dwHotTextColor = color;
}

DWORD CButtonUI::GetHotTextColor() const
{
    return m_dwHotTextColor;
}

void CButtonUI::SetPushedTextColor(DWORD color)
{
    m_dwPushedTextColor = color;
}

DWORD CButtonUI::GetPushedTextColor() const
{
    return m_dwPushedTextColor;
}

void CButtonUI::SetFocusedTextColor(DWORD color)
{
    m_dwFocusedTextColor = color;
}

DWORD CButtonUI::GetFocusedTextColor() const
{
    return m_dwFocusedTextColor;
}

CUIString CButtonUI::GetNormalImage() const
{
    return m_sNormalImage;
}

void CButtonUI::SetNormalImage(const char* image)
{
    m_sNormalImage = image;
    Invalidate();
}

CUIString CButtonUI::GetHotImage() const
{
    return m_sHotImage;
}

void CButtonUI::SetHotImage(const char* image)
{
    m_sHotImage = image;
    Invalidate();
}

CUIString CButtonUI::GetHotForeImage() const
{
    return m_sHotForeImage;
}

void CButtonUI::SetHotForeImage(const char* image)
{
    m_sHotForeImage = image;
    Invalidate();
}

CUIString CButtonUI::GetPushedImage() const
{
    return m_sPushedImage;
}

void CButtonUI::SetPushedImage(const char* image)
{
    m_sPushedImage = image;
    Invalidate();
}

CUIString CButtonUI::GetFocusedImage() const
{
    return m_sFocusedImage;
}

void CButtonUI::SetFocusedImage(const char* image)
{
    m_sFocusedImage = image;
    Invalidate();
}

CUIString CButtonUI::GetDisabledImage() const
{
    return m_sDisabledImage;
}

void CButtonUI::SetDisabledImage(const char* image)
{
    m_sDisabledImage = image;
    Invalidate();
}

} // namespace SkinUI
