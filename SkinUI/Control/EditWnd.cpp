#include "SkinUI/Control/EditWnd.h"
#include "SkinUI/Control/EditRules.h"
#include "SkinUI/Control/EditUI.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Utils/GbkText.h"

namespace SkinUI {

namespace {

// Messages the paint manager reflects back to the child that sent them.
constexpr UINT kReflect = 0x2000;

COLORREF ToColorRef(DWORD argb)
{
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

} // namespace

CEditWnd::CEditWnd(CEditUI* pOwner)
    : m_pOwner(pOwner)
{}

const char* CEditWnd::GetWindowClassName() const
{
    return "EditWnd";
}

const char* CEditWnd::GetSuperClassName() const
{
    return "Edit";
}

bool CEditWnd::Open()
{
    CPaintManagerUI* pManager = m_pOwner->GetManager();
    if (pManager == nullptr) return false;
    DWORD dwStyle = WS_CHILD | ES_AUTOHSCROLL;
    if (m_pOwner->IsPasswordMode()) dwStyle |= ES_PASSWORD;
    if (Create(pManager->GetPaintWindow(), nullptr, dwStyle, 0, m_pOwner->GetNativeRect()) == nullptr) return false;
    ::SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(pManager->GetFont(m_pOwner->GetFont())), TRUE);
    ::SendMessageA(m_hWnd, EM_LIMITTEXT, m_pOwner->GetMaxChar(), 0);
    if (m_pOwner->IsPasswordMode())
        ::SendMessageA(m_hWnd, EM_SETPASSWORDCHAR, static_cast<unsigned char>(m_pOwner->GetPasswordChar()), 0);
    ::SetWindowTextW(m_hWnd, CGbkText::ToWide(m_pOwner->GetText()).c_str());
    ::SendMessageA(m_hWnd, EM_SETMODIFY, FALSE, 0);
    ::SendMessageA(m_hWnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    ::EnableWindow(m_hWnd, m_pOwner->IsEnabled());
    ::SendMessageA(m_hWnd, EM_SETREADONLY, m_pOwner->IsReadOnly(), 0);
    const LONG lStyle = ::GetWindowLongA(m_hWnd, GWL_STYLE) | static_cast<LONG>(m_pOwner->GetWindowStyles());
    ::SetWindowLongA(m_hWnd, GWL_STYLE, lStyle);
    ::ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
    ::SetFocus(m_hWnd);
    m_bInit = true;
    return true;
}

void CEditWnd::DetachOwner()
{
    m_pOwner = nullptr;
    if (!::IsWindow(m_hWnd)) {
        delete this;
        return;
    }
    if (::GetFocus() == m_hWnd) ::SetFocus(::GetParent(m_hWnd));
    ::DestroyWindow(m_hWnd);
}

bool CEditWnd::IsNumberOnlyWindow() const
{
    return (::GetWindowLongA(m_hWnd, GWL_STYLE) & ES_NUMBER) != 0;
}

void CEditWnd::OnTextChanged()
{
    if (!m_bInit) return;
    // What the operator typed comes back as GBK, whatever the system's code page.
    std::wstring typed(static_cast<size_t>(::GetWindowTextLengthW(m_hWnd)) + 1, L'\0');
    const int length = ::GetWindowTextW(m_hWnd, &typed[0], static_cast<int>(typed.size()));
    m_pOwner->SetTextFromNative(CGbkText::FromWide(typed.c_str(), length).c_str());
    CPaintManagerUI* pManager = m_pOwner->GetManager();
    if (pManager != nullptr) pManager->SendNotify(m_pOwner, "textchanged");
}

LRESULT CEditWnd::OnCtlColor(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    const DWORD dwBkColor = m_pOwner->GetNativeEditBkColor();
    if (dwBkColor == 0xFFFFFFFF) return ::DefWindowProcW(::GetParent(m_hWnd), uMsg - kReflect, wParam, lParam);
    HDC hDC = reinterpret_cast<HDC>(wParam);
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, ToColorRef(m_pOwner->GetShownTextColor()));
    if (m_hBkBrush == nullptr) m_hBkBrush = ::CreateSolidBrush(ToColorRef(dwBkColor));
    return reinterpret_cast<LRESULT>(m_hBkBrush);
}

void CEditWnd::PasteDigits()
{
    if (!::OpenClipboard(m_hWnd)) return;
    HANDLE hData = ::GetClipboardData(CF_UNICODETEXT);
    const wchar_t* pText = hData != nullptr ? static_cast<const wchar_t*>(::GlobalLock(hData)) : nullptr;
    const CUIString sDigits = CEditRules::KeepDigits(CGbkText::FromWide(pText).c_str());
    if (pText != nullptr) ::GlobalUnlock(hData);
    ::CloseClipboard();
    ::SendMessageW(m_hWnd, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(CGbkText::ToWide(sDigits).c_str()));
}

LRESULT CEditWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_pOwner == nullptr) return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
    switch (uMsg) {
    case WM_KILLFOCUS: {
        const LRESULT lRes = CWindowWnd::HandleMessage(uMsg, wParam, lParam);
        ::PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
        return lRes;
    }
    case WM_CLOSE:
        // The focus came back before this posted close arrived.
        if (::GetFocus() == m_hWnd) return 0;
        break;
    case WM_COMMAND + kReflect:
        if (HIWORD(wParam) == EN_CHANGE) OnTextChanged();
        if (HIWORD(wParam) == EN_UPDATE) ::InvalidateRect(m_hWnd, nullptr, FALSE);
        return 0;
    case WM_KEYDOWN:
        if (wParam != VK_RETURN) break;
        if (m_pOwner->GetManager() != nullptr) m_pOwner->GetManager()->SendNotify(m_pOwner, "return");
        return 0;
    case WM_CTLCOLOREDIT + kReflect:
    case WM_CTLCOLORSTATIC + kReflect:
        return OnCtlColor(uMsg, wParam, lParam);
    case WM_CHAR:
        // Typed characters; the platform's digits-only style lets pasted text through, handled below.
        if (IsNumberOnlyWindow() && !CEditRules::IsNumberOnlyChar(static_cast<unsigned int>(wParam))) return 0;
        break;
    case WM_PASTE:
        if (!IsNumberOnlyWindow()) break;
        PasteDigits();
        return 0;
    default:
        break;
    }
    return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

void CEditWnd::OnFinalMessage(HWND)
{
    if (m_pOwner != nullptr) {
        m_pOwner->Invalidate();
        m_pOwner->OnNativeDestroyed();
    }
    if (m_hBkBrush != nullptr) ::DeleteObject(m_hBkBrush);
    delete this;
}

} // namespace SkinUI
