#include "SkinUI/Control/EditRules.h"
#include <string>
#include "SkinUI/Core/MbcsText.h"

namespace SkinUI {

CUIString CEditRules::MaskPassword(const char* text, char chMask)
{
    std::string shown;
    for (const char* p = text != nullptr ? text : ""; *p != '\0'; p += CMbcsText::CharLength(p)) shown += chMask;
    return CUIString(shown.c_str());
}

bool CEditRules::IsNumberOnlyChar(unsigned int ch)
{
    return (ch >= '0' && ch <= '9') || ch < 0x20;
}

CUIString CEditRules::KeepDigits(const char* text)
{
    std::string digits;
    for (const char* p = text != nullptr ? text : ""; *p != '\0'; p += CMbcsText::CharLength(p)) {
        if (*p >= '0' && *p <= '9') digits += *p;
    }
    return CUIString(digits.c_str());
}

CUIRect CEditRules::NativeRect(const CUIRect& rcItem, const CUIRect& rcPadding, int cyFont)
{
    CUIRect rc(rcItem.left + rcPadding.left, rcItem.top + rcPadding.top, rcItem.right - rcPadding.right,
               rcItem.bottom - rcPadding.bottom);
    const int cy = rc.bottom - rc.top;
    if (cyFont < cy) {
        rc.top += (cy - cyFont) / 2;
        rc.bottom = rc.top + cyFont;
    }
    return rc;
}

int CEditRules::SelectAllEnd(int cchText)
{
    return cchText > 0 ? cchText : 1;
}

} // namespace SkinUI
