#include "SkinUI/Core/CaptionHitTest.h"
#include "SkinUI/Core/MbcsText.h"

namespace SkinUI {

bool CaptionContains(const CUIRect& rcClient, const CUIRect& rcCaption, const CUIPoint& pt)
{
    return pt.x >= rcClient.left + rcCaption.left && pt.x < rcClient.right - rcCaption.right && pt.y >= rcCaption.top &&
           pt.y < rcCaption.bottom;
}

bool CaptionDragsOver(const char* pstrClass, unsigned int controlFlags)
{
    if (pstrClass == nullptr || controlFlags != 0) return false;
    static const char* const kInputClasses[] = {"ButtonUI", "OptionUI", "TextUI"};
    for (const char* input : kInputClasses) {
        if (CMbcsText::EqualNoCase(pstrClass, input)) return false;
    }
    return true;
}

} // namespace SkinUI
