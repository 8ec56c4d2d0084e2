#include "SkinUI/Control/LabelRules.h"
#include <cstring>

namespace SkinUI {

namespace {

bool Has(const char* value, const char* word)
{
    return std::strstr(value, word) != nullptr;
}

} // namespace

// Left and top are the absence of the other bits.
unsigned int CLabelRules::ApplyAlign(unsigned int style, const char* value)
{
    if (value == nullptr) return style;
    if (Has(value, "left")) style &= ~(kCenter | kRight | kVCenter | kSingleLine);
    if (Has(value, "center")) {
        style &= ~kRight;
        style |= kCenter;
    }
    if (Has(value, "right")) {
        style &= ~(kCenter | kVCenter | kSingleLine);
        style |= kRight;
    }
    if (Has(value, "top")) {
        style &= ~(kBottom | kVCenter);
        style |= kSingleLine;
    }
    if (Has(value, "vcenter")) {
        style &= ~kBottom;
        style |= kCenter | kVCenter | kSingleLine;
    }
    if (Has(value, "bottom")) {
        style &= ~kVCenter;
        style |= kBottom | kSingleLine;
    }
    return style;
}

int CLabelRules::ClampRenderingHint(int hint)
{
    return hint < 0 || hint > 5 ? 0 : hint;
}

std::uint32_t CLabelRules::WithAlpha(std::uint32_t color, int alpha)
{
    return (color & 0x00FFFFFF) | (static_cast<std::uint32_t>(alpha & 0xFF) << 24);
}

std::uint32_t CLabelRules::SecondColor(std::uint32_t second, std::uint32_t first)
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
