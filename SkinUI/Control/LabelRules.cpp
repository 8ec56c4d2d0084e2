#include "SkinUI/Control/LabelRules.h"
#include <cstring>

namespace SkinUI {

namespace {

bool Has(const char* value, const char* word)
{
    return std::strstr(value, word) != nullptr;
}

} // namespace

UINT CLabelRules::ApplyAlign(UINT style, const char* value)
{
    if (value == nullptr) return style;
    if (Has(value, "left")) style &= ~(DT_CENTER | DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    if (Has(value, "center")) {
        style &= ~DT_RIGHT;
        style |= DT_CENTER;
    }
    if (Has(value, "right")) {
        style &= ~(DT_LEFT | DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        style |= DT_RIGHT;
    }
    if (Has(value, "top")) {
        style &= ~(DT_BOTTOM | DT_VCENTER);
        style |= DT_TOP | DT_SINGLELINE;
    }
    if (Has(value, "vcenter")) {
        style &= ~DT_BOTTOM;
        style |= DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    }
    if (Has(value, "bottom")) {
        style &= ~(DT_TOP | DT_VCENTER);
        style |= DT_BOTTOM | DT_SINGLELINE;
    }
    return style;
}

int CLabelRules::ClampRenderingHint(int hint)
{
    return hint < 0 || hint > 5 ? 0 : hint;
}

DWORD CLabelRules::WithAlpha(DWORD color, int alpha)
{
    return (color & 0x00FFFFFF) | (static_cast<DWORD>(alpha & 0xFF) << 24);
}

DWORD CLabelRules::SecondColor(DWORD second, DWORD first)
{
    return second == 0xFFFFFFFF ? first : second;
}

bool CLabelRules::ShadowOffset(int offset, int angle, float& x, float& y)
{
    if (angle < -180 || angle > 180) return false;
    const float d = static_cast<float>(offset);
    if (angle > -90 && angle <= 90) {
        x = -d;
    } else if (angle == -90) {
        x = 0.0f;
    } else {
        x = d;
    }
    if (angle >= 0) {
        y = -d;
    } else if (angle >= -179) {
        y = d;
    } else {
        y = 0.0f;
    }
    return true;
}

} // namespace SkinUI
