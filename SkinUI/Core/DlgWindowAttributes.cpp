#include "SkinUI/Core/DlgWindowAttributes.h"
#include "SkinUI/Core/AttributeValue.h"
#include "SkinUI/Core/MarkupBounds.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

bool CDlgWindowAttributes::Apply(CPaintManagerUI& pm, const char* name, const char* value)
{
    if (name == nullptr || value == nullptr) return false;
    return ApplySize(pm, name, value) || ApplyRect(pm, name, value) || ApplyFlag(pm, name, value) ||
           ApplyColor(pm, name, value);
}

bool CDlgWindowAttributes::ApplySize(CPaintManagerUI& pm, const char* name, const char* value)
{
    const bool known = CUIName::Equals(name, "size") || CUIName::Equals(name, "roundcorner") ||
                       CUIName::Equals(name, "mininfo") || CUIName::Equals(name, "maxinfo");
    if (!known) return false;
    int v[2] = {};
    // A negative extent means nothing for a window; it would only trip the manager.
    if (!CAttributeValue::ReadNumbers(value, v, 2) || v[0] < 0 || v[1] < 0) return false;
    v[0] = CMarkupBounds::WindowExtent(v[0]);
    v[1] = CMarkupBounds::WindowExtent(v[1]);
    if (CUIName::Equals(name, "size"))
        pm.SetInitSize(v[0], v[1]);
    else if (CUIName::Equals(name, "roundcorner"))
        pm.SetRoundCorner(v[0], v[1]);
    else if (CUIName::Equals(name, "mininfo"))
        pm.SetMinInfo(v[0], v[1]);
    else
        pm.SetMaxInfo(v[0], v[1]);
    return true;
}

bool CDlgWindowAttributes::ApplyRect(CPaintManagerUI& pm, const char* name, const char* value)
{
    if (!CUIName::Equals(name, "sizebox") && !CUIName::Equals(name, "caption")) return false;
    int v[4] = {};
    if (!CAttributeValue::ReadNumbers(value, v, 4)) return false;
    const RECT rc = {v[0], v[1], v[2], v[3]};
    if (CUIName::Equals(name, "sizebox"))
        pm.SetSizeBox(rc);
    else
        pm.SetCaptionRect(rc);
    return true;
}

bool CDlgWindowAttributes::ApplyFlag(CPaintManagerUI& pm, const char* name, const char* value)
{
    if (CUIName::Equals(name, "showdirty")) {
        pm.SetShowUpdateRect(CAttributeValue::ParseBool(value));
        return true;
    }
    if (CUIName::Equals(name, "bktrans")) {
        pm.SetBackgroundTransparent(CAttributeValue::ParseBool(value));
        return true;
    }
    if (!CUIName::Equals(name, "alpha")) return false;
    int alpha = 0;
    // Text that is no number would otherwise make the window fully transparent.
    if (!CAttributeValue::ReadNumbers(value, &alpha, 1)) return false;
    pm.SetTransparent(alpha);
    return true;
}

bool CDlgWindowAttributes::ApplyColor(CPaintManagerUI& pm, const char* name, const char* value)
{
    void (CPaintManagerUI::*setter)(DWORD) = nullptr;
    if (CUIName::Equals(name, "disabledfontcolor"))
        setter = &CPaintManagerUI::SetDefaultDisabledColor;
    else if (CUIName::Equals(name, "defaultfontcolor"))
        setter = &CPaintManagerUI::SetDefaultFontColor;
    else if (CUIName::Equals(name, "linkfontcolor"))
        setter = &CPaintManagerUI::SetDefaultLinkFontColor;
    else if (CUIName::Equals(name, "linkhoverfontcolor"))
        setter = &CPaintManagerUI::SetDefaultLinkHoverFontColor;
    else if (CUIName::Equals(name, "selectedcolor"))
        setter = &CPaintManagerUI::SetDefaultSelectedBkColor;
    unsigned int color = 0;
    if (setter == nullptr || !CAttributeValue::ReadColor(value, color)) return false;
    (pm.*setter)(color);
    return true;
}

} // namespace SkinUI
