#pragma once

#include "SkinUI/Control/LabelUI.h"
#include "SkinUI/Core/ContainerUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"

// A titled frame of one-pixel lines whose children share its height evenly.
class CGroupBoxUI : public SkinUI::CContainerUI {
public:
    explicit CGroupBoxUI(const char* title);

    // Adds to the content; with spread on, an empty control follows each child.
    bool Add(SkinUI::CControlUI* control) override;
    void SetTitle(const char* title);

    // Null when the box was made without a title.
    SkinUI::CLabelUI* GetTitleLabel() const { return m_titleLabel; }
    SkinUI::CVerticalLayoutUI* GetContent() const { return m_content; }

private:
    SkinUI::CLabelUI* m_titleLabel = nullptr;
    SkinUI::CVerticalLayoutUI* m_content = nullptr;
    bool m_spread = true;
};
