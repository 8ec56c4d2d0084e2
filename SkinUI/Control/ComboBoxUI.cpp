#include "SkinUI/Control/ComboBoxUI.h"
#include "SkinUI/Control/ComboArrowImage.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

const char* CComboBoxUI::GetClass() const
{
    return "ComboBoxUI";
}

void CComboBoxUI::SetAttribute(const char* pstrName, const char* pstrValue)
{
    if (CUIName::Equals(pstrName, "arrowimage"))
        SetArrowImage(pstrValue);
    else
        CComboUI::SetAttribute(pstrName, pstrValue);
}

CUIString CComboBoxUI::GetArrowImage() const
{
    return m_sArrowImage;
}

void CComboBoxUI::SetArrowImage(const char* pstrImage)
{
    m_sArrowImage = pstrImage != nullptr ? pstrImage : "";
}

int CComboBoxUI::GetArrowWidth() const
{
    return m_nArrowWidth;
}

void CComboBoxUI::PaintStatusImage(HDC hDC)
{
    if (m_sArrowImage.IsEmpty()) {
        CComboUI::PaintStatusImage(hDC);
        return;
    }
    RefreshStateBits();
    // The modifier is in skin lengths, like every image description.
    const CDpiScale& scale = GetDpiScale();
    const CUISize szItem(scale.Unscale(m_rcItem.right - m_rcItem.left), scale.Unscale(m_rcItem.bottom - m_rcItem.top));
    CUIString sModify;
    int cxArrow = 0;
    if (!CComboArrowImage::BuildModifier(m_sArrowImage, CComboArrowImage::StateIndex(m_uButtonState), szItem,
                                         GetBorderSize(), sModify, cxArrow))
        return;
    m_nArrowWidth = cxArrow;
    DrawImage(hDC, m_sArrowImage, sModify);
}

void CComboBoxUI::PaintText(HDC hDC)
{
    const RECT padding = GetDpiScale().ScaleRect(m_rcTextPadding);
    const RECT rcText = {m_rcItem.left + padding.left, m_rcItem.top + padding.top,
                         m_rcItem.right - padding.right - Scaled(m_nArrowWidth), m_rcItem.bottom - padding.bottom};
    PaintSelected(hDC, rcText);
}

} // namespace SkinUI
