#include "SkinUI/Control/ListLabelElementUI.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/UIRender.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

const char* CListLabelElementUI::GetClass() const
{
    return "ListLabelElementUI";
}

LPVOID CListLabelElementUI::GetInterface(const char* pstrName)
{
    if (CUIName::Equals(pstrName, "ListLabelElement")) return static_cast<CListLabelElementUI*>(this);
    return CListElementUI::GetInterface(pstrName);
}

void CListLabelElementUI::DoEvent(TEventMsg& event)
{
    if (PassMouseWhenDisabled(event)) return;
    switch (event.Type) {
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_RBUTTONDOWN:
        if (IsEnabled()) {
            if (m_pManager != nullptr) m_pManager->SendNotify(this, "itemclick");
            Select(true);
            Invalidate();
        }
        return;
    case UIEVENT_MOUSEMOVE:
    case UIEVENT_BUTTONUP:
        return;
    case UIEVENT_MOUSEENTER:
        if (IsEnabled()) {
            m_uButtonState |= UISTATE_HOT;
            Invalidate();
        }
        return;
    case UIEVENT_MOUSELEAVE:
        if ((m_uButtonState & UISTATE_HOT) != 0) {
            m_uButtonState &= ~UISTATE_HOT;
            Invalidate();
        }
        return;
    default:
        CListElementUI::DoEvent(event);
    }
}

SIZE CListLabelElementUI::EstimateSize(SIZE)
{
    if (m_pOwner == nullptr) return SIZE{0, 0};
    const TListItemStyle* style = m_pOwner->GetItemStyle();
    const RECT padding = GetDpiScale().ScaleRect(style->rcTextPadding);
    SIZE sz = ScaledFixedSize();
    if (sz.cy == 0 && m_pManager != nullptr)
        sz.cy = m_pManager->GetFontInfo(style->nFont)->tm.tmHeight + Scaled(8) + padding.top + padding.bottom;
    if (sz.cx == 0 && m_pManager != nullptr) {
        RECT rc = {0, 0, 9999, sz.cy};
        const UINT format = (style->uTextStyle & ~(DT_CENTER | DT_RIGHT)) | DT_CALCRECT | DT_SINGLELINE;
        if (style->bShowHtml) {
            int links = 0;
            CUIRender::DrawHtmlText(m_pManager->GetPaintDC(), m_pManager, rc, m_sText, 0, nullptr, nullptr, links,
                                    format);
        } else {
            CUIRender::DrawPlainText(m_pManager->GetPaintDC(), m_pManager, rc, m_sText, 0, style->nFont, format);
        }
        sz.cx = rc.right - rc.left + padding.left + padding.right;
    }
    return sz;
}

void CListLabelElementUI::DoPaint(HDC hDC, const RECT& rcPaint)
{
    if (!::IntersectRect(&m_rcPaint, &rcPaint, &m_rcItem)) return;
    DrawItemBk(hDC, m_rcItem);
    DrawItemText(hDC, m_rcItem);
}

DWORD CListLabelElementUI::ItemTextColor(const TListItemStyle& style) const
{
    DWORD color = style.dwTextColor;
    if ((m_uButtonState & UISTATE_HOT) != 0) color = style.dwHotTextColor;
    if (IsSelected()) color = style.dwSelectedTextColor;
    if (!IsEnabled()) color = style.dwDisabledTextColor;
    return color;
}

void CListLabelElementUI::DrawItemText(HDC hDC, const RECT& rcItem)
{
    if (m_sText.IsEmpty() || m_pOwner == nullptr) return;
    const TListItemStyle* style = m_pOwner->GetItemStyle();
    const RECT padding = GetDpiScale().ScaleRect(style->rcTextPadding);
    RECT rc = {rcItem.left + padding.left, rcItem.top + padding.top, rcItem.right - padding.right,
               rcItem.bottom - padding.bottom};
    const UINT format = style->uTextStyle | DT_SINGLELINE;
    if (style->bShowHtml) {
        int links = 0;
        CUIRender::DrawHtmlText(hDC, m_pManager, rc, m_sText, ItemTextColor(*style), nullptr, nullptr, links, format);
    } else {
        CUIRender::DrawPlainText(hDC, m_pManager, rc, m_sText, ItemTextColor(*style), style->nFont, format);
    }
}

} // namespace SkinUI
