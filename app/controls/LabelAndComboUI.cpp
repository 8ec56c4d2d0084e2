#include "app/controls/LabelAndComboUI.h"

CLabelAndComboUI::CLabelAndComboUI(const char* text, int labelWidth, SkinUI::CComboBoxUI** list,
                                   SkinUI::CLabelUI** label)
{
    SetFixedHeight(22);
    SetInset(RECT{0, 1, 0, 1});

    m_label = new SkinUI::CLabelUI;
    m_label->SetText(text);
    m_label->SetFixedWidth(labelWidth);
    m_label->SetTextStyle((m_label->GetTextStyle() & ~(DT_CENTER | DT_VCENTER | DT_SINGLELINE)) | DT_RIGHT);
    m_label->SetTextPadding(RECT{0, 2, 2, 0});
    m_label->SetWidenToText();
    Add(m_label);

    m_list = new SkinUI::CComboBoxUI;
    m_list->SetAttribute("normalimage", "res='180' restype='png' corner='2,2,21,2'");
    m_list->SetAttribute("hotimage", "res='181' restype='png' corner='2,2,21,2'");
    m_list->SetAttribute("disabledimage", "res='183' restype='png' corner='2,2,21,2'");
    Add(m_list);

    if (list != nullptr) *list = m_list;
    if (label != nullptr) *label = m_label;
}

void CLabelAndComboUI::SetEnabled(bool enable)
{
    CControlUI::SetEnabled(enable);
    m_label->SetEnabled(enable);
    m_list->SetEnabled(enable);
}
