#pragma once
#include "SkinUI/Utils/UIRect.h"
#include "SkinUI/Utils/UIString.h"

namespace SkinUI {

// Text and geometry rules of the single-line edit that need no window.
class CEditRules {
public:
    // One mask character per character of the process code page (a double-byte character counts once).
    static CUIString MaskPassword(const char* text, char chMask);
    // Whether a typed character may reach a number-only editor: digits and control keys.
    static bool IsNumberOnlyChar(unsigned int ch);
    // Pasted text for a number-only editor: its digits only.
    static CUIString KeepDigits(const char* text);
    // The native editor's rectangle: the text area, narrowed to the font height and centred.
    static CUIRect NativeRect(const CUIRect& rcItem, const CUIRect& rcPadding, int cyFont);
    // End of the "select all" range: the text length, or 1 for an empty text.
    static int SelectAllEnd(int cchText);
};

} // namespace SkinUI
