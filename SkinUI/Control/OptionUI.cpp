#include "SkinUI/Control/OptionUI.h"
#include "SkinUI/Control/OptionSelection.h"
#include "SkinUI/Core/AttributeValue.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/UIRender.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

namespace {} // namespace

COptionUI::~COptionUI()
{
    if (!m_sGroupName.IsEmpty() && m_pManager != nullptr) m_pManager->RemoveOptionGroup(m_sGroupName, this);
}

const char* COptionUI::GetClass() const
{
    return "OptionUI";
}

LPVOID COptionUI::GetInterface(const char* pstrName)
{
    if (CUIName::Equals(pstrName, "Option")) return this;
    return CButtonUI::GetInterface(pstrName);
}

void COptionUI::SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit)
{
    // The group of a manager the option leaves must not keep pointing at it.
    if (m_pManager != nullptr && m_pManager != pManager && !m_sGroupName.IsEmpty()) {
        m_pManager->RemoveOptionGroup(m_sGroupName, this);
    }
    CButtonUI::SetManager(pManager, pParent, bInit);
    if (bInit && !m_sGroupName.IsEmpty() && m_pManager != nullptr) m_pManager->AddOptionGroup(m_sGroupName, this);
}

bool COptionUI::Activate()
{
    if (!CButtonUI::Activate()) return false;
    Selected(COptionSelection::ActivateTarget(!m_sGroupName.IsEmpty(), m_bSelected));
    return true;
}

void COptionUI::SetEnabled(bool bEnable)
{
    CButtonUI::SetEnabled(bEnable);
    if (!IsEnabled()) m_uButtonState = m_bSelected ? UISTATE_SELECTED : 0;
}

void COptionUI::Selected(bool bSelected)
{
    const TOptionChange change = COptionSelection::Change(!m_sGroupName.IsEmpty(), m_bSelected, bSelected);
    if (!change.changed) return;
    m_bSelected = bSelected;
    m_uButtonState = bSelected ? (m_uButtonState | UISTATE_SELECTED) : (m_uButtonState & ~UISTATE_SELECTED);
    if (m_pManager != nullptr) {
        if (change.unselectOthers) UnselectOthers();
        if (change.notify) m_pManager->SendNotify(this, "selectchanged");
    }
    Invalidate();
}

void COptionUI::UnselectOthers()
{
    CPtrArrayUI* group = m_pManager->GetOptionGroup(m_sGroupName);
    if (group == nullptr) return;
    for (int i = 0; i < group->GetSize(); ++i) {
        auto* control = static_cast<CControlUI*>(group->GetAt(i));
        auto* option = static_cast<COptionUI*>(control->GetInterface("Option"));
        if (option != nullptr && option != this) option->Selected(false);
    }
}

bool COptionUI::IsSelected() const
{
    return m_bSelected;
}

CUIString COptionUI::GetGroup() const
{
    return m_sGroupName;
}

void COptionUI::SetGroup(const char* pStrGroupName)
{
    if (pStrGroupName == nullptr) {
        if (m_sGroupName.IsEmpty()) return;
        pStrGroupName = "";
    } else if (m_sGroupName == pStrGroupName) {
        return;
    }
    if (!m_sGroupName.IsEmpty() && m_pManager != nullptr) m_pManager->RemoveOptionGroup(m_sGroupName, this);
    m_sGroupName = pStrGroupName;
    if (m_pManager != nullptr) {
        if (!m_sGroupName.IsEmpty()) {
            m_pManager->AddOptionGroup(m_sGroupName, this);
        } else {
            m_pManager->RemoveOptionGroup(m_sGroupName, this);
        }
    }
    Selected(m_bSelected);
}

void COptionUI::PaintAsButton(HDC hDC)
{
    CButtonUI::PaintStatusImage(hDC);
}

void COptionUI::PaintStatusImage(HDC hDC)
{
    m_uButtonState &= ~UISTATE_PUSHED;
    if ((m_uButtonState & UISTATE_HOT) != 0 && m_bSelected && !m_sSelectedHotImage.IsEmpty()) {
        if (!DrawStateImage(hDC, m_sSelectedHotImage)) PaintAsButton(hDC);
        DrawStateImage(hDC, m_sOptionForeImage);
        return;
    }
    if (!m_bSelected) {
        PaintAsButton(hDC);
        DrawStateImage(hDC, m_sOptionForeImage);
        return;
    }
    PaintSelected(hDC);
}

void COptionUI::PaintSelected(HDC hDC)
{
    if (!m_sSelectedImage.IsEmpty()) {
        if (!DrawStateImage(hDC, m_sSelectedImage)) PaintAsButton(hDC);
        DrawStateImage(hDC, m_sOptionForeImage);
        return;
    }
    if (m_dwSelectedBkColor != 0) {
        CUIRender::DrawColor(hDC, m_rcPaint, GetAdjustColor(m_dwSelectedBkColor));
        return;
    }
    PaintAsButton(hDC);
    DrawStateImage(hDC, m_sOptionForeImage);
}

void COptionUI::PaintText(HDC hDC)
{
    if (!m_bSelected) {
        CButtonUI::PaintText(hDC);
        return;
    }
    const DWORD saved = m_dwTextColor;
    if (m_dwSelectedTextColor != 0) m_dwTextColor = m_dwSelectedTextColor;
    ResolveDefaultColors();
    if (!m_sText.IsEmpty()) {
        DrawLabelText(hDC, TextArea(), IsEnabled() ? m_dwTextColor : m_dwDisabledTextColor, m_uTextStyle);
    }
    m_dwTextColor = saved;
}

void COptionUI::SetAttribute(const char* pstrName, const char* pstrValue)
{
    if (pstrName == nullptr) return;
    if (pstrValue == nullptr) pstrValue = "";
    if (CUIName::Equals(pstrName, "group")) {
        SetGroup(pstrValue);
    } else if (CUIName::Equals(pstrName, "selected")) {
        Selected(CAttributeValue::ParseBool(pstrValue));
    } else if (CUIName::Equals(pstrName, "selectedimage")) {
        SetSelectedImage(pstrValue);
    } else if (CUIName::Equals(pstrName, "selectedhotimage")) {
        SetSelectedHotImage(pstrValue);
    } else if (CUIName::Equals(pstrName, "foreimage")) {
        SetOptionForeImage(pstrValue);
    } else if (CUIName::Equals(pstrName, "selectedbkcolor")) {
        SetSelectedBkColor(CAttributeValue::ParseColor(pstrValue));
    } else if (CUIName::Equals(pstrName, "selectedtextcolor")) {
        SetSelectedTextColor(CAttributeValue::ParseColor(pstrValue));
    } else {
        CButtonUI::SetAttribute(pstrName, pstrValue);
    }
}

CUIString COptionUI::GetSelectedImage() const
{
    return m_sSelectedImage;
}

void COptionUI::SetSelectedImage(const char* image)
{
    m_sSelectedImage = image;
    Invalidate();
}

CUIString COptionUI::GetSelectedHotImage() const
{
    return m_sSelectedHotImage;
}

void COptionUI::SetSelectedHotImage(const char* image)
{
    m_sSelectedHotImage = image;
    Invalidate();
}

CUIString COptionUI::GetOptionForeImage() const
{
    return m_sOptionForeImage;
}

void COptionUI::SetOptionForeImage(const char* image)
{
    m_sOptionForeImage = image;
    Invalidate();
}

DWORD COptionUI::GetSelectedBkColor() const
{
    return m_dwSelectedBkColor;
}

void COptionUI::SetSelectedBkColor(DWORD color)
{
    m_dwSelectedBkColor = color;
}

DWORD COptionUI::GetSelectedTextColor() const
{
    return m_dwSelectedTextColor;
}

void COptionUI::SetSelectedTextColor(DWORD color)
{
    m_dwSelectedTextColor = color;
}

} // namespace SkinUI
