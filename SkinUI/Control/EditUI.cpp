#include "SkinUI/Control/EditUI.h"
#include "SkinUI/Control/EditRules.h"
#include "SkinUI/Control/EditWnd.h"
#include "SkinUI/Core/AttributeValue.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/UIRender.h"
#include "SkinUI/Utils/GbkText.h"
#include "SkinUI/Utils/UIName.h"
#include "SkinUI/Utils/UIRectWin.h"

namespace SkinUI {

CEditUI::CEditUI()
{
    SetTextPadding(RECT{4, 3, 4, 3});
    SetBkColor(0xFFFFFFFF);
}

CEditUI::~CEditUI()
{
    // The editor's window outlives a posted close; it must not call back into a deleted edit.
    if (m_pWindow != nullptr) m_pWindow->DetachOwner();
}

const char* CEditUI::GetClass() const
{
    return "EditUI";
}

LPVOID CEditUI::GetInterface(const char* pstrName)
{
    if (CUIName::Equals(pstrName, "Edit")) return static_cast<CEditUI*>(this);
    return CLabelUI::GetInterface(pstrName);
}

UINT CEditUI::GetControlFlags() const
{
    return IsEnabled() ? (UIFLAG_TABSTOP | UIFLAG_SETCURSOR) : 0;
}

void CEditUI::SetEnabled(bool bEnable)
{
    CLabelUI::SetEnabled(bEnable);
    if (!IsEnabled()) m_uButtonState = 0;
}

void CEditUI::SetText(const char* pstrText)
{
    m_sText = pstrText != nullptr ? pstrText : "";
    if (m_pWindow != nullptr) ::SetWindowTextW(m_pWindow->GetHWND(), CGbkText::ToWide(m_sText).c_str());
    Invalidate();
}

void CEditUI::SetTextFromNative(const char* pstrText)
{
    m_sText = pstrText != nullptr ? pstrText : "";
}

void CEditUI::OnNativeDestroyed()
{
    m_pWindow = nullptr;
    m_uButtonState = 0;
}

HWND CEditUI::GetNativeWindow() const
{
    return m_pWindow != nullptr ? m_pWindow->GetHWND() : nullptr;
}

RECT CEditUI::GetNativeRect() const
{
    int cyFont = 0;
    if (m_pManager != nullptr) cyFont = m_pManager->GetFontInfo(GetFont())->tm.tmHeight;
    return ToRECT(
        CEditRules::NativeRect(ToUIRect(m_rcItem), ToUIRect(GetDpiScale().ScaleRect(GetTextPadding())), cyFont));
}

void CEditUI::SetPos(RECT rc)
{
    CLabelUI::SetPos(rc);
    if (m_pWindow == nullptr) return;
    // A new DPI lays the window out again with fonts made anew.
    if (m_pManager != nullptr)
        ::SendMessageW(m_pWindow->GetHWND(), WM_SETFONT, reinterpret_cast<WPARAM>(m_pManager->GetFont(GetFont())),
                       TRUE);
    const RECT rcNative = GetNativeRect();
    ::SetWindowPos(m_pWindow->GetHWND(), nullptr, rcNative.left, rcNative.top, rcNative.right - rcNative.left,
                   rcNative.bottom - rcNative.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CEditUI::CloseNativeIfHidden()
{
    if (!IsVisible() && m_pWindow != nullptr && m_pManager != nullptr) m_pManager->SetFocus(nullptr);
}

void CEditUI::SetVisible(bool bVisible)
{
    CLabelUI::SetVisible(bVisible);
    CloseNativeIfHidden();
}

void CEditUI::SetInternVisible(bool bVisible)
{
    CLabelUI::SetInternVisible(bVisible);
    CloseNativeIfHidden();
}

SIZE CEditUI::EstimateSize(SIZE)
{
    if (m_cxyFixed.cy != 0) return ScaledFixedSize();
    const int cyFont = m_pManager != nullptr ? m_pManager->GetFontInfo(GetFont())->tm.tmHeight : 0;
    return SIZE{Scaled(m_cxyFixed.cx), cyFont + Scaled(6)};
}

void CEditUI::OpenNative()
{
    m_pWindow = new CEditWnd(this);
    if (!m_pWindow->Open()) m_pWindow = nullptr;
}

void CEditUI::SelectAllNative()
{
    ::SendMessageA(m_pWindow->GetHWND(), EM_SETSEL, 0, CEditRules::SelectAllEnd(m_sText.GetLength()));
}

bool CEditUI::OnMouseEvent(TEventMsg& event)
{
    switch (event.Type) {
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_DBLCLICK:
    case UIEVENT_RBUTTONDOWN:
        if (!IsEnabled()) return false;
        if (m_pManager != nullptr) m_pManager->ReleaseCapture();
        if (m_pWindow != nullptr) {
            SelectAllNative();
        } else if (IsFocused()) {
            OpenNative();
            if (m_pWindow != nullptr && ::PtInRect(&m_rcItem, event.ptMouse)) SelectAllNative();
        }
        return true;
    case UIEVENT_MOUSEMOVE:
    case UIEVENT_BUTTONUP:
    case UIEVENT_CONTEXTMENU:
        return true;
    case UIEVENT_MOUSEENTER:
    case UIEVENT_MOUSELEAVE:
        if (!IsEnabled()) return false;
        if (event.Type == UIEVENT_MOUSEENTER)
            m_uButtonState |= UISTATE_HOT;
        else
            m_uButtonState &= ~UISTATE_HOT;
        Invalidate();
        return true;
    default:
        return false;
    }
}

void CEditUI::DoEvent(TEventMsg& event)
{
    if (PassMouseWhenDisabled(event)) return;
    if (event.Type == UIEVENT_SETCURSOR && IsEnabled()) {
        ::SetCursor(::LoadCursor(nullptr, IDC_IBEAM));
        return;
    }
    if (event.Type == UIEVENT_WINDOWSIZE && m_pWindow != nullptr && m_pManager != nullptr)
        m_pManager->SetFocusNeeded(this);
    if (event.Type == UIEVENT_SCROLLWHEEL && m_pWindow != nullptr) return;
    if (event.Type == UIEVENT_SETFOCUS && IsEnabled()) {
        // An editor whose close is still pending takes the keys again and stays.
        if (m_pWindow == nullptr)
            OpenNative();
        else
            ::SetFocus(m_pWindow->GetHWND());
        Invalidate();
    }
    if (event.Type == UIEVENT_KILLFOCUS && IsEnabled()) Invalidate();
    if (OnMouseEvent(event)) return;
    CLabelUI::DoEvent(event);
}

UINT CEditUI::GetMaxChar() const
{
    return m_uMaxChar;
}

void CEditUI::SetMaxChar(UINT uMax)
{
    m_uMaxChar = uMax;
    if (m_pWindow != nullptr) ::SendMessageA(m_pWindow->GetHWND(), EM_LIMITTEXT, m_uMaxChar, 0);
}

bool CEditUI::IsReadOnly() const
{
    return m_bReadOnly;
}

void CEditUI::SetReadOnly(bool bReadOnly)
{
    if (m_bReadOnly == bReadOnly) return;
    m_bReadOnly = bReadOnly;
    if (m_pWindow != nullptr) ::SendMessageA(m_pWindow->GetHWND(), EM_SETREADONLY, m_bReadOnly, 0);
    Invalidate();
}

bool CEditUI::IsPasswordMode() const
{
    return m_bPasswordMode;
}

void CEditUI::SetPasswordMode(bool bPasswordMode)
{
    if (m_bPasswordMode == bPasswordMode) return;
    m_bPasswordMode = bPasswordMode;
    Invalidate();
}

char CEditUI::GetPasswordChar() const
{
    return m_cPasswordChar;
}

void CEditUI::SetPasswordChar(char cPasswordChar)
{
    if (m_cPasswordChar == cPasswordChar) return;
    m_cPasswordChar = cPasswordChar;
    if (m_pWindow != nullptr)
        ::SendMessageA(m_pWindow->GetHWND(), EM_SETPASSWORDCHAR, static_cast<unsigned char>(m_cPasswordChar), 0);
    Invalidate();
}

bool CEditUI::IsNumberOnly() const
{
    return (m_uEditStyle & ES_NUMBER) != 0;
}

void CEditUI::SetNumberOnly(bool bNumberOnly)
{
    if (bNumberOnly)
        m_uEditStyle |= ES_NUMBER;
    else
        m_uEditStyle &= ~static_cast<UINT>(ES_NUMBER);
}

UINT CEditUI::GetWindowStyles() const
{
    return m_uEditStyle;
}

DWORD CEditUI::GetNativeEditBkColor() const
{
    return m_dwEditbkColor;
}

void CEditUI::SetNativeEditBkColor(DWORD dwBkColor)
{
    m_dwEditbkColor = dwBkColor;
}

DWORD CEditUI::GetShownTextColor() const
{
    const DWORD dwColor = GetTextColor();
    if (dwColor != 0 || m_pManager == nullptr) return dwColor;
    return m_pManager->GetDefaultFontColor();
}

void CEditUI::SetAttribute(const char* pstrName, const char* pstrValue)
{
    if (CUIName::Equals(pstrName, "readonly"))
        SetReadOnly(CAttributeValue::ParseBool(pstrValue));
    else if (CUIName::Equals(pstrName, "numberonly"))
        SetNumberOnly(CAttributeValue::ParseBool(pstrValue));
    else if (CUIName::Equals(pstrName, "password"))
        SetPasswordMode(CAttributeValue::ParseBool(pstrValue));
    else if (CUIName::Equals(pstrName, "maxchar"))
        SetMaxChar(static_cast<UINT>(CAttributeValue::ParseInt(pstrValue)));
    else if (CUIName::Equals(pstrName, "nativebkcolor"))
        SetNativeEditBkColor(CAttributeValue::ParseColor(pstrValue));
    else if (m_images.SetAttribute(pstrName, pstrValue))
        Invalidate();
    else
        CLabelUI::SetAttribute(pstrName, pstrValue);
}

void CEditUI::RefreshStateBits()
{
    if (IsFocused())
        m_uButtonState |= UISTATE_FOCUSED;
    else
        m_uButtonState &= ~UISTATE_FOCUSED;
    if (!IsEnabled())
        m_uButtonState |= UISTATE_DISABLED;
    else
        m_uButtonState &= ~UISTATE_DISABLED;
}

void CEditUI::PaintStatusImage(HDC hDC)
{
    RefreshStateBits();
    CUIString* pImage = nullptr;
    if ((m_uButtonState & UISTATE_DISABLED) != 0)
        pImage = &m_images.disabled;
    else if ((m_uButtonState & UISTATE_FOCUSED) != 0)
        pImage = &m_images.focused;
    else if ((m_uButtonState & UISTATE_HOT) != 0)
        pImage = &m_images.hot;
    if (pImage != nullptr && DrawStateImage(hDC, *pImage)) return;
    DrawStateImage(hDC, m_images.normal);
}

void CEditUI::PaintText(HDC hDC)
{
    if (m_sText.IsEmpty()) return;
    DWORD dwColor = GetShownTextColor();
    if (!IsEnabled()) {
        dwColor = GetDisabledTextColor();
        if (dwColor == 0 && m_pManager != nullptr) dwColor = m_pManager->GetDefaultDisabledColor();
    }
    const CUIString sShown = m_bPasswordMode ? CEditRules::MaskPassword(m_sText, m_cPasswordChar) : m_sText;
    const RECT rcPadding = GetDpiScale().ScaleRect(GetTextPadding());
    RECT rc = {m_rcItem.left + rcPadding.left, m_rcItem.top + rcPadding.top, m_rcItem.right - rcPadding.right,
               m_rcItem.bottom - rcPadding.bottom};
    CUIRender::DrawPlainText(hDC, m_pManager, rc, sShown, dwColor, GetFont(), GetTextStyle() | DT_SINGLELINE);
}

} // namespace SkinUI
