#pragma once

#include "SkinUI/Control/EditUI.h"
#include "SkinUI/Control/LabelUI.h"
#include "SkinUI/Layout/HorizontalLayoutUI.h"

// A right-aligned label followed by an edit field, 23 pixels high.
class CLabelAndEditUI : public SkinUI::CHorizontalLayoutUI {
public:
    // Stores the edit in *edit and, when label is given, the label in *label.
    CLabelAndEditUI(const char* text, int labelWidth, SkinUI::CEditUI** edit, SkinUI::CLabelUI** label = nullptr);

    // Greys or restores the label and the edit with the row.
    void SetEnabled(bool enable = true) override;

private:
    SkinUI::CLabelUI* m_label = nullptr;
    SkinUI::CEditUI* m_edit = nullptr;
};
