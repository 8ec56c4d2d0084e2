#include "SkinUI/Layout/LayoutFlow.h"
#include <algorithm>
#include <climits>

namespace SkinUI {

namespace {

// Sums run in 64 bits; a coordinate beyond the int range stops at its end instead of wrapping.
int Saturate(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// Reads sizes, paddings and limits along the flow axis ("main") or across it.
struct TAxis {
    bool vertical;

    int Main(const CUISize& s) const { return vertical ? s.cy : s.cx; }
    int Cross(const CUISize& s) const { return vertical ? s.cx : s.cy; }
    int MainStart(const CUIRect& r) const { return vertical ? r.top : r.left; }
    int MainEnd(const CUIRect& r) const { return vertical ? r.bottom : r.right; }
    int CrossStart(const CUIRect& r) const { return vertical ? r.left : r.top; }
    int CrossEnd(const CUIRect& r) const { return vertical ? r.right : r.bottom; }
    int MainMin(const TFlowChild& c) const { return vertical ? c.cyMin : c.cxMin; }
    int MainMax(const TFlowChild& c) const { return vertical ? c.cyMax : c.cxMax; }
    int CrossMin(const TFlowChild& c) const { return vertical ? c.cxMin : c.cyMin; }
    int CrossMax(const TFlowChild& c) const { return vertical ? c.cxMax : c.cyMax; }
    int CrossFixed(const TFlowChild& c) const { return vertical ? c.cxFixed : c.cyFixed; }
    CUISize Make(int main, int cross) const { return vertical ? CUISize(cross, main) : CUISize(main, cross); }
    CUIRect MakeRect(int mainStart, int crossStart, int mainEnd, int crossEnd) const
    {
        return vertical ? CUIRect(crossStart, mainStart, crossEnd, mainEnd)
                        : CUIRect(mainStart, crossStart, mainEnd, crossEnd);
    }
};

struct TFirstPass {
    long long fixed = 0;
    int stretchables = 0;
    int estimated = 0;
};

TFirstPass MeasureFixed(const TAxis& ax, const TFlowParams& params, const std::vector<TFlowChild>& children,
                        const FlowEstimate& estimate)
{
    TFirstPass pass;
    for (size_t i = 0; i < children.size(); ++i) {
        const TFlowChild& c = children[i];
        int length = ax.Main(estimate(i, params.szAvailable));
        if (length == 0)
            ++pass.stretchables;
        else
            length = LayoutClamp(length, ax.MainMin(c), ax.MainMax(c));
        pass.fixed += static_cast<long long>(length) + ax.MainStart(c.rcPadding) + ax.MainEnd(c.rcPadding);
        ++pass.estimated;
    }
    // No children means no gaps (not a negative one).
    pass.fixed += static_cast<long long>(std::max(0, pass.estimated - 1)) * params.iChildPadding;
    return pass;
}

} // namespace

int LayoutClamp(int value, int minimum, int maximum)
{
    if (value < minimum) value = minimum;
    if (value > maximum) value = maximum;
    return value;
}

CUIRect LayoutInnerRect(const CUIRect& rcItem, const CUIRect& rcInset, int cxVertBar, int cyHorzBar)
{
    CUIRect rc(rcItem.left + rcInset.left, rcItem.top + rcInset.top, rcItem.right - rcInset.right - cxVertBar,
               rcItem.bottom - rcInset.bottom - cyHorzBar);
    if (rc.right < rc.left) rc.right = rc.left;
    if (rc.bottom < rc.top) rc.bottom = rc.top;
    return rc;
}

TFlowResult LayoutFlow(const TFlowParams& params, const std::vector<TFlowChild>& children, const FlowEstimate& estimate)
{
    const TAxis ax{params.bVertical};
    const TFirstPass pass = MeasureFixed(ax, params, children, estimate);
    const long long availMain = ax.Main(params.szAvailable);
    const int availCross = ax.Cross(params.szAvailable);
    const long long share = pass.stretchables > 0 ? std::max(0LL, (availMain - pass.fixed) / pass.stretchables) : 0;

    TFlowResult result;
    result.rects.reserve(children.size());
    long long remaining = availMain;
    long long fixedRemaining = pass.fixed;
    long long cursor = params.bVertical ? params.ptOrigin.y : params.ptOrigin.x;
    const long long crossOrigin = params.bVertical ? params.ptOrigin.x : params.ptOrigin.y;
    long long needed = 0;
    int stretchSeen = 0;
    for (size_t i = 0; i < children.size(); ++i) {
        const TFlowChild& c = children[i];
        const long long padStart = ax.MainStart(c.rcPadding);
        const long long padEnd = ax.MainEnd(c.rcPadding);
        remaining -= padStart;
        int length = ax.Main(estimate(i, ax.Make(Saturate(remaining), availCross)));
        if (length == 0) {
            ++stretchSeen;
            long long stretched = share;
            if (stretchSeen == pass.stretchables) stretched = std::max(0LL, remaining - padEnd - fixedRemaining);
            length = LayoutClamp(Saturate(stretched), ax.MainMin(c), ax.MainMax(c));
        } else {
            length = LayoutClamp(length, ax.MainMin(c), ax.MainMax(c));
            fixedRemaining -= length;
        }
        long long cross = ax.CrossFixed(c);
        if (cross == 0)
            cross = static_cast<long long>(availCross) - ax.CrossStart(c.rcPadding) - ax.CrossEnd(c.rcPadding);
        const int crossLength = LayoutClamp(Saturate(std::max(0LL, cross)), ax.CrossMin(c), ax.CrossMax(c));

        const long long mainStart = cursor + padStart;
        const long long crossStart = crossOrigin + ax.CrossStart(c.rcPadding);
        result.rects.push_back(ax.MakeRect(Saturate(mainStart), Saturate(crossStart),
                                           Saturate(mainStart + length + padEnd), Saturate(crossStart + crossLength)));

        const long long gap = params.iChildPadding;
        cursor += length + gap + padStart + padEnd;
        needed += length + padStart + padEnd;
        remaining -= length + gap + padEnd;
    }
    needed += static_cast<long long>(std::max(0, pass.estimated - 1)) * params.iChildPadding;
    result.iNeeded = Saturate(needed);
    return result;
}

} // namespace SkinUI
