#pragma once

#include <string>

#include "SkinUI/Core/ContainerUI.h"
#include "app/LanguageLayout.h"
#include "app/MainTexts.h"
#include "app/MainWindowBuilder.h"

inline std::string Text(const SkinUI::CControlUI* control)
{
    return control->GetText().GetData();
}

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
