#include "SkinUI/Layout/LayoutFloat.h"
#include <algorithm>
#include <climits>
#include "SkinUI/Core/MarkupBounds.h"

namespace SkinUI {

namespace {

// Placed in 64 bits; a coordinate beyond the int range stops at its end instead of wrapping.
int Saturate(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// A share of a growth of up to 2^32 pixels, with the percentage bounded so that it fits 64 bits.
long long Share(int percent, long long growth)
{
    return std::clamp(percent, -CMarkupBounds::kMaxLength, CMarkupBounds::kMaxLength) * growth / 100;
}

} // namespace

TFloatPlacement LayoutFloat(const CUIRect& rcParent, const TFloatRequest& request)
{
    TFloatPlacement out;
    long long left = 0;
    long long top = 0;
    if (request.szXY.cx >= 0)
        left = static_cast<long long>(rcParent.left) + request.szXY.cx;
    else
        left = static_cast<long long>(rcParent.right) + request.szXY.cx - request.cx;
    if (request.szXY.cy >= 0)
        top = static_cast<long long>(rcParent.top) + request.szXY.cy;
    else
        top = static_cast<long long>(rcParent.bottom) + request.szXY.cy - request.cy;
    long long right = left + request.cx;
    long long bottom = top + request.cy;
    out.szParent = request.szParent;
    const long long width = static_cast<long long>(rcParent.right) - rcParent.left;
    const long long height = static_cast<long long>(rcParent.bottom) - rcParent.top;
    if (request.bRelative && request.szParent.cx != 0) {
        const long long dx = width - request.szParent.cx;
        const long long dy = height - request.szParent.cy;
        left += Share(request.nMoveXPercent, dx);
        top += Share(request.nMoveYPercent, dy);
        right = left + request.cx + Share(request.nZoomXPercent, dx);
        bottom = top + request.cy + Share(request.nZoomYPercent, dy);
    }
    if (request.bRelative) out.szParent = CUISize(Saturate(width), Saturate(height));
    out.rc = CUIRect(Saturate(left), Saturate(top), Saturate(right), Saturate(bottom));
    return out;
}

} // namespace SkinUI
