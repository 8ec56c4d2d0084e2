#include "SkinUI/Control/TextUI.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/UIRender.h"
#include <algorithm>
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

CTextUI::CTextUI()
{
    m_uTextStyle = DT_WORDBREAK;
    m_rcTextPadding.left = 2;
    m_rcTextPadding.right = 2;
}

const char* CTextUI::GetClass() const
{
    return "TextUI";
}

LPVOID CTextUI::GetInterface(const char* pstrName)
{
    if (CUIName::Equals(pstrName, "Text")) return this;
    return CLabelUI::GetInterface(pstrName);
}

UINT CTextUI::GetControlFlags() const
{
    return IsEnabled() && m_nLinks > 0 ? UIFLAG_SETCURSOR : 0;
}

int CTextUI::LinkAt(POINT pt) const
{
    for (int i = 0; i < m_nLinks; ++i) {
        if (::PtInRect(&m_rcLinks[i], pt)) return i;
    }
    return -1;
}

void CTextUI::DoEvent(TEventMsg& event)
{
    if (PassMouseWhenDisabled(event)) return;
    if (OnLinkEvent(event)) return;
    CLabelUI::DoEvent(event);
}

// True when the event is consumed.
bool CTextUI::OnLinkEvent(TEventMsg& event)
{
    const int link = LinkAt(event.ptMouse);
    switch (event.Type) {
    case UIEVENT_SETCURSOR:
        if (link < 0) return false;
        ::SetCursor(::LoadCursor(nullptr, IDC_HAND));
        return true;
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_DBLCLICK:
        if (link < 0 || !IsEnabled()) return false;
        Invalidate();
        return true;
    case UIEVENT_BUTTONUP:
        if (link < 0 || !IsEnabled()) return false;
        if (m_pManager != nullptr) m_pManager->SendNotify(this, "link", static_cast<WPARAM>(link));
        return true;
    case UIEVENT_CONTEXTMENU:
        return true;
    case UIEVENT_MOUSEMOVE:
        if (!IsEnabled() || m_nLinks == 0 || link == m_nHoverLink) return false;
        m_nHoverLink = link;
        Invalidate();
        return true;
    case UIEVENT_MOUSELEAVE:
        if (!IsEnabled() || m_nHoverLink < 0) return false;
        m_nHoverLink = -1;
        Invalidate();
        return true;
    default:
        return false;
    }
}

SIZE CTextUI::EstimateSize(SIZE szAvailable)
{
    if (m_pManager == nullptr || m_pManager->GetPaintDC() == nullptr) return ScaledFixedSize();
    const RECT padding = GetDpiScale().ScaleRect(m_rcTextPadding);
    const int width = std::max<int>(szAvailable.cx, Scaled(m_cxyFixed.cx)) - padding.right;
    RECT rc = {padding.left, 0, width, 9999};
    const UINT style = m_uTextStyle | DT_CALCRECT;
    HDC hDC = m_pManager->GetPaintDC();
    if (m_bShowHtml) {
        int links = 0;
        CUIRender::DrawHtmlText(hDC, m_pManager, rc, m_sText, m_dwTextColor, nullptr, nullptr, links, style);
    } else {
        CUIRender::DrawPlainText(hDC, m_pManager, rc, m_sText, m_dwTextColor, m_iFont, style);
    }
    SIZE size = {rc.right - rc.left + padding.left + padding.right, rc.bottom - rc.top + padding.top + padding.bottom};
    if (m_cxyFixed.cy != 0) size.cy = Scaled(m_cxyFixed.cy);
    return size;
}

void CTextUI::PaintText(HDC hDC)
{
    if (m_sText.IsEmpty()) {
        m_nLinks = 0;
        return;
    }
    ResolveDefaultColors();
    RECT rc = TextArea();
    const DWORD color = IsEnabled() ? m_dwTextColor : m_dwDisabledTextColor;
    if (m_bShowHtml) {
        m_nLinks = kMaxLinks;
        CUIRender::DrawHtmlText(hDC, m_pManager, rc, m_sText, color, m_rcLinks, m_sLinks, m_nLinks, m_uTextStyle);
        m_nLinks = std::min(std::max(m_nLinks, 0), static_cast<int>(kMaxLinks));
    } else {
        // Plain text has no links; rectangles of an earlier html text must not stay clickable.
        m_nLinks = 0;
        CUIRender::DrawPlainText(hDC, m_pManager, rc, m_sText, color, m_iFont, m_uTextStyle);
    }
    if (m_nHoverLink >= m_nLinks) m_nHoverLink = -1;
}

int CTextUI::GetLinkCount() const
{
    return m_nLinks;
}

RECT CTextUI::GetLinkRect(int index) const
{
    if (index < 0 || index >= m_nLinks) return RECT{0, 0, 0, 0};
    return m_rcLinks[index];
}

CUIString CTextUI::GetLinkContent(int index) const
{
    if (index < 0 || index >= m_nLinks) return CUIString();
    return m_sLinks[index];
}

int CTextUI::GetHotLink() const
{
    return m_nHoverLink;
}

} // namespace SkinUI
