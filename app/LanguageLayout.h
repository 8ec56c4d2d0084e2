#pragma once

#include "app/MainControls.h"
#include "app/TextList.h"

// Texts, widths and menu panel positions of the main window for a language
// (the value lists and the window title are left to the caller).
void ApplyLanguage(MainControls& controls, CTextList& texts, bool chinese);
