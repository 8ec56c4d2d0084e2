#include "SkinUI/Core/HtmlLineFit.h"
#include <vector>
#include "SkinUI/Core/MbcsText.h"

namespace SkinUI {

namespace {

const unsigned int kCenter = 0x1;
const unsigned int kRight = 0x2;

std::vector<int> CharStarts(const char* text, int length)
{
    std::vector<int> starts;
    int pos = 0;
    while (pos < length) {
        starts.push_back(pos);
        const int step = CMbcsText::CharLength(text + pos);
        pos += step > 0 ? step : 1;
    }
    starts.push_back(length);
    return starts;
}

// Index into starts of the longest prefix that fits.
size_t FittingChars(const char* text, const std::vector<int>& starts, int space, const CHtmlLineFit::Measure& measure)
{
    size_t fit = 0;
    while (fit + 1 < starts.size() && measure(text, starts[fit + 1]) <= space) ++fit;
    return fit;
}

size_t LastBreak(const char* text, const std::vector<int>& starts, size_t fit)
{
    for (size_t i = fit; i > 0; --i) {
        if (CHtmlLineFit::IsBreakChar(text[starts[i - 1]])) return i;
    }
    return 0;
}

} // namespace

bool CHtmlLineFit::IsBreakChar(char c)
{
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    return !letter || c == ' ';
}

THtmlFit CHtmlLineFit::Fit(const char* text, int length, int space, bool lineEmpty, bool wordBreak, bool ellipsis,
                           const Measure& measure)
{
    THtmlFit result;
    if (text == nullptr || length <= 0) return result;
    const std::vector<int> starts = CharStarts(text, length);
    size_t fit = FittingChars(text, starts, space, measure);
    if (fit + 1 == starts.size()) {
        result.bytes = length;
        return result;
    }
    result.wrap = true;
    if (ellipsis) {
        result.ellipsis = true;
        result.bytes = starts[fit >= 2 ? fit - 2 : 0];
        return result;
    }
    if (wordBreak) {
        const size_t at = LastBreak(text, starts, fit);
        if (at > 0 || !lineEmpty) fit = at;
    }
    // An empty line always takes one character so that layout advances.
    if (fit == 0 && lineEmpty) fit = 1;
    result.bytes = starts[fit];
    return result;
}

int CHtmlLineFit::AlignOffset(int lineWidth, int width, unsigned int style)
{
    if ((style & kCenter) != 0) return (width - lineWidth) / 2;
    if ((style & kRight) != 0) return width - lineWidth;
    return 0;
}

} // namespace SkinUI
