#pragma once

#include "SkinUI/Control/ComboBoxUI.h"
#include "SkinUI/Control/LabelUI.h"
#include "SkinUI/Layout/HorizontalLayoutUI.h"

// A right-aligned label followed by a drop-down list, 22 pixels high.
class CLabelAndComboUI : public SkinUI::CHorizontalLayoutUI {
public:
    // Stores the list in *list and, when label is given, the label in *label.
    CLabelAndComboUI(const char* text, int labelWidth, SkinUI::CComboBoxUI** list, SkinUI::CLabelUI** label = nullptr);

    // Greys or restores the label and the list with the row.
    void SetEnabled(bool enable = true) override;

private:
    SkinUI::CLabelUI* m_label = nullptr;
    SkinUI::CComboBoxUI* m_list = nullptr;
};
