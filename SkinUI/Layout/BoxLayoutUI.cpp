#include "SkinUI/Layout/BoxLayoutUI.h"
#include "SkinUI/Core/AttributeValue.h"
#include "SkinUI/Layout/LayoutPlacement.h"
#include "SkinUI/Utils/UIName.h"
#include "SkinUI/Utils/UIRectWin.h"

namespace SkinUI {

CBoxLayoutUI::CBoxLayoutUI(bool bVertical)
    : m_bVertical(bVertical)
    , m_separator(bVertical)
{}

void CBoxLayoutUI::SetPos(RECT rc)
{
    CControlUI::SetPos(rc);
    const RECT inner = GetInnerRect();
    const int needed = GetCount() > 0 ? LayoutPlaceFlow(*this, ToUIRect(inner), m_bVertical) : 0;
    ProcessScrollBar(inner, m_bVertical ? 0 : needed, m_bVertical ? needed : 0);
}

void CBoxLayoutUI::DoEvent(TEventMsg& event)
{
    if (m_separator.HandleEvent(*this, event, m_rcItem, m_cxyFixed)) return;
    CContainerUI::DoEvent(event);
}

void CBoxLayoutUI::SetAttribute(const char* pstrName, const char* pstrValue)
{
    if (CUIName::Equals(pstrName, m_bVertical ? "sepheight" : "sepwidth"))
        SetSepSize(CAttributeValue::ParseInt(pstrValue));
    else if (CUIName::Equals(pstrName, "sepimm"))
        SetSepImmMode(CAttributeValue::ParseBool(pstrValue));
    else
        CContainerUI::SetAttribute(pstrName, pstrValue);
}

void CBoxLayoutUI::DoPostPaint(HDC hDC, const RECT& /*rcPaint*/)
{
    m_separator.PostPaint(hDC, m_rcItem, GetDpiScale());
}

int CBoxLayoutUI::GetSepSize() const
{
    return m_separator.GetSize();
}

void CBoxLayoutUI::SetSepSize(int iSize)
{
    m_separator.SetSize(iSize);
}

bool CBoxLayoutUI::IsSepImmMode() const
{
    return m_separator.IsImmediate();
}

void CBoxLayoutUI::SetSepImmMode(bool bImmediately)
{
    m_separator.SetImmediate(*this, bImmediately);
}

RECT CBoxLayoutUI::GetThumbRect(bool bUseNewPos) const
{
    return m_separator.GetThumbRect(m_rcItem, bUseNewPos, GetDpiScale());
}

} // namespace SkinUI
