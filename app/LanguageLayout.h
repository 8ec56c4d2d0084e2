#pragma once

#include <windows.h>

#include "SkinUI/Control/LabelUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"
#include "app/MainControls.h"
#include "app/TextList.h"

// Texts, widths and menu panel positions of the main window for a language
// (the value lists and the window title are left to the caller).
void ApplyLanguage(MainControls& controls, CTextList& texts, bool chinese);

// Where a menu panel floats inside "main" in a language: its top left corner and width.
struct MenuPanelPlace {
    int left;
    int top;
    int width;
};
MenuPanelPlace MenuPanelPosition(MainControls::Menu menu, bool chinese);
// Gives a floating panel that place, and the height that shows all its items.
void PlaceMenuPanel(SkinUI::CVerticalLayoutUI* panel, const MenuPanelPlace& place);
// Widens the title label beyond its 300 pixels when its text needs it.
void FitTitleWidth(SkinUI::CLabelUI* title);
