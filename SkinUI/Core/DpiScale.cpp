#include "SkinUI/Core/DpiScale.h"
#include <climits>

namespace SkinUI {

namespace {

// value * num / den rounded half away from zero, held within int.
int MulDivRound(int value, int num, int den)
{
    const long long product = static_cast<long long>(value) * num;
    const long long half = den / 2;
    const long long result = (product >= 0 ? product + half : product - half) / den;
    if (result > INT_MAX) return INT_MAX;
    if (result < INT_MIN) return INT_MIN;
    return static_cast<int>(result);
}

} // namespace

CDpiScale::CDpiScale(int dpi)
    : m_dpi(dpi > 0 ? dpi : kBaseDpi)
{}

int CDpiScale::GetDpi() const
{
    return m_dpi;
}

bool CDpiScale::IsBase() const
{
    return m_dpi == kBaseDpi;
}

int CDpiScale::Scale(int length) const
{
    return m_dpi == kBaseDpi ? length : MulDivRound(length, m_dpi, kBaseDpi);
}

int CDpiScale::Unscale(int pixels) const
{
    return m_dpi == kBaseDpi ? pixels : MulDivRound(pixels, kBaseDpi, m_dpi);
}

int CDpiScale::UnscaleToCover(int pixels) const
{
    int length = Unscale(pixels);
    while (Scale(length) < pixels) ++length;
    return length;
}

int CDpiScale::SpanCovering(int pixels) const
{
    return IsBase() ? pixels : UnscaleToCover(pixels + 1);
}

} // namespace SkinUI
