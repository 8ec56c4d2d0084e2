#pragma once

#include <windows.h>

#include "SkinUI/Core/ControlUI.h"
#include "app/MainControls.h"
#include "app/TextList.h"

// Texts, widths and menu panel positions of the main window for a language
// (the value lists and the window title are left to the caller).
void ApplyLanguage(MainControls& controls, CTextList& texts, bool chinese);

// Where a menu panel floats (left, top, right, bottom inside "main") in a language.
RECT MenuPanelPosition(MainControls::Menu menu, bool chinese);
// Gives a floating control that position as its fixed position and size.
void PlaceMenuPanel(SkinUI::CControlUI* panel, const RECT& position);
