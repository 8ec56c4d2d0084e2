#pragma once

#include "SkinUI/Core/ContainerUI.h"
#include "app/LanguageLayout.h"
#include "app/MainTexts.h"
#include "app/MainWindowBuilder.h"

// The main window's parts from the window's builder, added to main in one language.
inline void BuildMainWindow(SkinUI::CContainerUI* main, MainControls& controls, CTextList& texts, bool chinese)
{
    CMainWindowBuilder builder(controls);
    for (SkinUI::CControlUI* part : {builder.BuildTitleBar(), builder.BuildMenuBar(), builder.BuildBody()})
        main->Add(part);
    builder.BuildMenuPanels(main);
    AddTextPairs(texts, controls);
    ApplyLanguage(controls, texts, chinese);
}
