#include "SkinUI/Core/MarkupBounds.h"
#include <algorithm>

namespace SkinUI {

int CMarkupBounds::WindowExtent(int value)
{
    return std::clamp(value, 0, kMaxWindowExtent);
}

int CMarkupBounds::Length(int value)
{
    return std::clamp(value, -kMaxLength, kMaxLength);
}

int CMarkupBounds::FontSize(int value)
{
    return std::min(value, kMaxFontSize);
}

} // namespace SkinUI
