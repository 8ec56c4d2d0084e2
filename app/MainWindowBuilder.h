#pragma once

#include "SkinUI/Core/ContainerUI.h"
#include "SkinUI/Layout/HorizontalLayoutUI.h"
#include "app/MainControls.h"

// Creates the main window's controls in code and records them in MainControls.
class CMainWindowBuilder {
public:
    explicit CMainWindowBuilder(MainControls& controls);

    // Each returns its top container; the caller adds it to "main".
    SkinUI::CHorizontalLayoutUI* BuildTitleBar();
    SkinUI::CHorizontalLayoutUI* BuildMenuBar();
    SkinUI::CHorizontalLayoutUI* BuildBody();
    // Adds the three hidden floating panels (File, Language, Help) to main.
    void BuildMenuPanels(SkinUI::CContainerUI* main);

private:
    MainControls& m_controls;
};
