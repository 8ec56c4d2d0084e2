#pragma once

#include <initializer_list>

#include "SkinUI/Control/ButtonUI.h"
#include "SkinUI/Core/ContainerUI.h"
#include "SkinUI/Layout/HorizontalLayoutUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"
#include "app/MainControls.h"

// Creates the main window's controls in code and records them in MainControls.
class CMainWindowBuilder {
public:
    static constexpr int kTitleWidth = 300;

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
    // A panel of these items, a null entry standing for a separator.
    void AddPanel(SkinUI::CContainerUI* main, int menu, std::initializer_list<SkinUI::CButtonUI**> items);

    MainControls& m_controls;
};
