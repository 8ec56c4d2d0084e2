#include "SkinUI/Core/CaptionHitTest.h"
#include "SkinUI/Core/MbcsText.h"

namespace SkinUI {

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
        if (CMbcsText::EqualNoCase(pstrClass, input)) return false;
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
