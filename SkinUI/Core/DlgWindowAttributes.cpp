#include "SkinUI/Core/DlgWindowAttributes.h"
#include <cstring>
#include "SkinUI/Core/AttributeValue.h"
#include "SkinUI/Core/PaintManagerUI.h"

namespace SkinUI {

namespace {

bool Is(const char* name, const char* expected)
{
    return std::strcmp(name, expected) == 0;
}

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
    const bool known = Is(name, "size") || Is(name, "roundcorner") || Is(name, "mininfo") || Is(name, "maxinfo");
    if (!known) return false;
    int v[2] = {};
    // A negative extent means nothing for a window; it would only trip the manager.
    if (!ReadNumbers(value, v, 2) || v[0] < 0 || v[1] < 0) return false;
    if (Is(name, "size")) pm.SetInitSize(v[0], v[1]);
    else if (Is(name, "roundcorner")) pm.SetRoundCorner(v[0], v[1]);
    else if (Is(name, "mininfo")) pm.SetMinInfo(v[0], v[1]);
    else pm.SetMaxInfo(v[0], v[1]);
    return true;
}

bool CDlgWindowAttributes::ApplyRect(CPaintManagerUI& pm, const char* name, const char* value)
{
    if (!Is(name, "sizebox") && !Is(name, "caption")) return false;
    int v[4] = {};
    if (!ReadNumbers(value, v, 4)) return false;
    const RECT rc = {v[0], v[1], v[2], v[3]};
    if (Is(name, "sizebox")) pm.SetSizeBox(rc);
    else pm.SetCaptionRect(rc);
    return true;
}

bool CDlgWindowAttributes::ApplyFlag(CPaintManagerUI& pm, const char* name, const char* value)
{
    if (Is(name, "showdirty")) {
        pm.SetShowUpdateRect(CAttributeValue::ParseBool(value));
        return true;
    }
    if (Is(name, "bktrans")) {
        pm.SetBackgroundTransparent(CAttributeValue::ParseBool(value));
        return true;
    }
    if (!Is(name, "alpha")) return false;
    int alpha = 0;
    // Text that is no number would otherwise make the window fully transparent.
    if (!ReadNumbers(value, &alpha, 1)) return false;
    pm.SetTransparent(alpha);
    return true;
}

bool CDlgWindowAttributes::ApplyColor(CPaintManagerUI& pm, const char* name, const char* value)
{
    void (CPaintManagerUI::*setter)(DWORD) = nullptr;
    if (Is(name, "disabledfontcolor")) setter = &CPaintManagerUI::SetDefaultDisabledColor;
    else if (Is(name, "defaultfontcolor")) setter = &CPaintManagerUI::SetDefaultFontColor;
    else if (Is(name, "linkfontcolor")) setter = &CPaintManagerUI::SetDefaultLinkFontColor;
    else if (Is(name, "linkhoverfontcolor")) setter = &CPaintManagerUI::SetDefaultLinkHoverFontColor;
    else if (Is(name, "selectedcolor")) setter = &CPaintManagerUI::SetDefaultSelectedBkColor;
    unsigned long color = 0;
    if (setter == nullptr || !ReadColor(value, color)) return false;
    (pm.*setter)(color);
    return true;
}

} // namespace SkinUI
