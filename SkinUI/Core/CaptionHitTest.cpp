#include "SkinUI/Core/CaptionHitTest.h"

namespace SkinUI {

namespace {

bool EqualNoCase(const char* a, const char* b)
{
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        const char ca = (*a >= 'A' && *a <= 'Z') ? static_cast<char>(*a - 'A' + 'a') : *a;
        const char cb = (*b >= 'A' && *b <= 'Z') ? static_cast<char>(*b - 'A' + 'a') : *b;
        if (ca != cb) return false;
    }
    return *a == *b;
}

}  // namespace

bool CaptionContains(const RECT& rcClient, const RECT& rcCaption, POINT pt)
{
    return pt.x >= rcClient.left + rcCaption.left && pt.x < rcClient.right - rcCaption.right &&
           pt.y >= rcCaption.top && pt.y < rcCaption.bottom;
}

bool CaptionDragsOver(const char* pstrClass, UINT controlFlags)
{
    if (pstrClass == nullptr || controlFlags != 0) return false;
    static const char* const kInputClasses[] = {"ButtonUI", "OptionUI", "TextUI"};
    for (const char* input : kInputClasses) {
        if (EqualNoCase(pstrClass, input)) return false;
    }
    return true;
}

LRESULT CaptionHitTest(const RECT& rcClient, const RECT& rcCaption, POINT pt, const char* pstrClass,
                       UINT controlFlags)
{
    if (CaptionContains(rcClient, rcCaption, pt) && CaptionDragsOver(pstrClass, controlFlags)) {
        return HTCAPTION;
    }
    return HTCLIENT;
}

}  // namespace SkinUI
