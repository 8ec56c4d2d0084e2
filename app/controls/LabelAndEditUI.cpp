#include "app/controls/LabelAndEditUI.h"

CLabelAndEditUI::CLabelAndEditUI(const char* text, int labelWidth, SkinUI::CEditUI** edit, SkinUI::CLabelUI** label)
{
    SetFixedHeight(23);

    m_label = new SkinUI::CLabelUI;
    m_label->SetText(text);
    m_label->SetFixedWidth(labelWidth);
    m_label->SetTextStyle(DT_RIGHT | DT_VCENTER);
    m_label->SetTextPadding(RECT{0, 0, 2, 0});
    m_label->SetWidenToText();
    Add(m_label);

    m_edit = new SkinUI::CEditUI;
    m_edit->SetAttribute("normalimage", "res='164' restype='png' corner='2,4,2,4'");
    m_edit->SetAttribute("disabledimage", "res='170' restype='png' corner='2,4,2,4'");
    Add(m_edit);

    if (edit != nullptr) *edit = m_edit;
    if (label != nullptr) *label = m_label;
}

void CLabelAndEditUI::SetEnabled(bool enable)
{
    CControlUI::SetEnabled(enable);
    m_label->SetEnabled(enable);
    m_edit->SetEnabled(enable);
}
