#pragma once

#include "SkinUI/Control/ButtonUI.h"
#include "SkinUI/Core/ContainerUI.h"
#include "SkinUI/Layout/HorizontalLayoutUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"
#include "app/MainControls.h"

// Creates the main window's controls in code and records them in MainControls.
class CMainWindowBuilder {
public:
    explicit CMainWindowBuilder(MainControls& controls);

    // Each returns its top container; the caller adds it to "main".
    SkinUI::CHorizontalLayoutUI* BuildTitleBar();
    SkinUI::CHorizontalLayoutUI* BuildMenuBar();
    SkinUI::CHorizontalLayoutUI* BuildBody();
    // Adds the three hidden floating panels (Help, Language, File) to main.
    void BuildMenuPanels(SkinUI::CContainerUI* main);

private:
    CGroupBoxUI* BuildFrequencyGroup();
    SkinUI::CVerticalLayoutUI* BuildMiddleColumn();
    SkinUI::CVerticalLayoutUI* BuildParameterBox();
    SkinUI::CVerticalLayoutUI* BuildRightColumn();
    CLabelAndComboUI* NewListRow(RadioList list, int labelWidth);
    CLabelAndEditUI* NewFieldRow(RadioField field, UINT maxChars);
    SkinUI::CHorizontalLayoutUI* NewUnlockHolder(SkinUI::CButtonUI* unlock, CLabelAndEditUI* row);
    SkinUI::CVerticalLayoutUI* NewPanel(int menu);

    MainControls& m_controls;
};
