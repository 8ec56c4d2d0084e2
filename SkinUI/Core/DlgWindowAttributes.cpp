#include "SkinUI/Core/DlgWindowAttributes.h"
#include <cstring>
#include "SkinUI/Core/AttributeValue.h"
#include "SkinUI/Core/MarkupBounds.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

namespace {


} // namespace

bool CDlgWindowAttributes::Apply(CPaintManagerUI& pm, const char* name, const char* value)
{
    if (name == nullptr || value == nullptr) return false;
    return ApplySize(pm, name, value) || ApplyRect(pm, name, value) || ApplyFlag(pm, name, value) ||
           ApplyColor(pm, name, value);
}

bool CDlgWindowAttributes::ReadNumbers(const char* text, int* values, int count)
{
    const char* p = text;
    for (int i = 0; i < count; ++i) {
        const char* end = p;
        values[i] = CAttributeValue::ParseInt(p, &end);
        if (end == p) return false;
        p = end;
        if (*p == '\0') return i == count - 1;
        ++p;
    }
    return true;
}

bool CDlgWindowAttributes::ReadColor(const char* text, unsigned long& color)
{
    const char* p = text + (*text == '#' ? 1 : 0);
    if (*p == '\0' || std::strchr("0123456789abcdefABCDEF", *p) == nullptr) return false;
    color = CAttributeValue::ParseColor(text);
    return true;
}

bool CDlgWindowAttributes::ApplySize(CPaintManagerUI& pm, const char* name, const char* value)
{
    const bool known = CUIName::Equals(name, "size") || CUIName::Equals(name, "roundcorner") || CUIName::Equals(name, "mininfo") || CUIName::Equals(name, "maxinfo");
    if (!known) return false;
    int v[2] = {};
    // A negative extent means nothing for a window; it would only trip the manager.
    if (!ReadNumbers(value, v, 2) || v[0] < 0 || v[1] < 0) return false;
    v[0] = CMarkupBounds::WindowExtent(v[0]);
    v[1] = CMarkupBounds::WindowExtent(v[1]);
    if (CUIName::Equals(name, "size")) pm.SetInitSize(v[0], v[1]);
    else if (CUIName::Equals(name, "roundcorner")) pm.SetRoundCorner(v[0], v[1]);
    else if (CUIName::Equals(name, "mininfo")) pm.SetMinInfo(v[0], v[1]);
    else pm.SetMaxInfo(v[0], v[1]);
    return true;
}

bool CDlgWindowAttributes::ApplyRect(CPaintManagerUI& pm, const char* name, const char* value)
{
    if (!CUIName::Equals(name, "sizebox") && !CUIName::Equals(name, "caption")) return false;
    int v[4] = {};
    if (!ReadNumbers(value, v, 4)) return false;
    const RECT rc = {v[0], v[1], v[2], v[3]};
    if (CUIName::Equals(name, "sizebox")) pm.SetSizeBox(rc);
    else pm.SetCaptionRect(rc);
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
    if (!ReadNumbers(value, &alpha, 1)) return false;
    pm.SetTransparent(alpha);
    return true;
}

bool CDlgWindowAttributes::ApplyColor(CPaintManagerUI& pm, const char* name, const char* value)
{
    void (CPaintManagerUI::*setter)(DWORD) = nullptr;
    if (CUIName::Equals(name, "disabledfontcolor")) setter = &CPaintManagerUI::SetDefaultDisabledColor;
    else if (CUIName::Equals(name, "defaultfontcolor")) setter = &CPaintManagerUI::SetDefaultFontColor;
    else if (CUIName::Equals(name, "linkfontcolor")) setter = &CPaintManagerUI::SetDefaultLinkFontColor;
    else if (CUIName::Equals(name, "linkhoverfontcolor")) setter = &CPaintManagerUI::SetDefaultLinkHoverFontColor;
    else if (CUIName::Equals(name, "selectedcolor")) setter = &CPaintManagerUI::SetDefaultSelectedBkColor;
    unsigned long color = 0;
    if (setter == nullptr || !ReadColor(value, color)) return false;
    (pm.*setter)(color);
    return true;
}

} // namespace SkinUI
