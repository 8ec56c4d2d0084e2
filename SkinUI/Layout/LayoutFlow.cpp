#include "SkinUI/Layout/LayoutFlow.h"
#include <algorithm>

namespace SkinUI {

namespace {

// Reads sizes, paddings and limits along the flow axis ("main") or across it.
struct TAxis {
    bool vertical;

    int Main(const SIZE& s) const { return vertical ? s.cy : s.cx; }
    int Cross(const SIZE& s) const { return vertical ? s.cx : s.cy; }
    int MainStart(const RECT& r) const { return vertical ? r.top : r.left; }
    int MainEnd(const RECT& r) const { return vertical ? r.bottom : r.right; }
    int CrossStart(const RECT& r) const { return vertical ? r.left : r.top; }
    int CrossEnd(const RECT& r) const { return vertical ? r.right : r.bottom; }
    int MainMin(const TFlowChild& c) const { return vertical ? c.cyMin : c.cxMin; }
    int MainMax(const TFlowChild& c) const { return vertical ? c.cyMax : c.cxMax; }
    int CrossMin(const TFlowChild& c) const { return vertical ? c.cxMin : c.cyMin; }
    int CrossMax(const TFlowChild& c) const { return vertical ? c.cxMax : c.cyMax; }
    int CrossFixed(const TFlowChild& c) const { return vertical ? c.cxFixed : c.cyFixed; }
    SIZE Make(int main, int cross) const { return vertical ? SIZE{cross, main} : SIZE{main, cross}; }
    RECT MakeRect(int mainStart, int crossStart, int mainEnd, int crossEnd) const {
        return vertical ? RECT{crossStart, mainStart, crossEnd, mainEnd}
                        : RECT{mainStart, crossStart, mainEnd, crossEnd};
    }
};

struct TFirstPass {
    int fixed = 0;
    int stretchables = 0;
    int estimated = 0;
};

TFirstPass MeasureFixed(const TAxis& ax, const TFlowParams& params,
                        const std::vector<TFlowChild>& children, const FlowEstimate& estimate) {
    TFirstPass pass;
    for (size_t i = 0; i < children.size(); ++i) {
        const TFlowChild& c = children[i];
        int length = ax.Main(estimate(i, params.szAvailable));
        if (length == 0)
            ++pass.stretchables;
        else
            length = LayoutClamp(length, ax.MainMin(c), ax.MainMax(c));
        pass.fixed += length + ax.MainStart(c.rcPadding) + ax.MainEnd(c.rcPadding);
        ++pass.estimated;
    }
    // No children means no gaps (not a negative one).
    pass.fixed += std::max(0, pass.estimated - 1) * params.iChildPadding;
    return pass;
}

}  // namespace

int LayoutClamp(int value, int minimum, int maximum) {
    if (value < minimum)
        value = minimum;
    if (value > maximum)
        value = maximum;
    return value;
}

RECT LayoutInnerRect(const RECT& rcItem, const RECT& rcInset, int cxVertBar, int cyHorzBar) {
    RECT rc = {rcItem.left + rcInset.left, rcItem.top + rcInset.top,
               rcItem.right - rcInset.right - cxVertBar, rcItem.bottom - rcInset.bottom - cyHorzBar};
    if (rc.right < rc.left)
        rc.right = rc.left;
    if (rc.bottom < rc.top)
        rc.bottom = rc.top;
    return rc;
}

TFlowResult LayoutFlow(const TFlowParams& params, const std::vector<TFlowChild>& children,
                       const FlowEstimate& estimate) {
    const TAxis ax{params.bVertical};
    const TFirstPass pass = MeasureFixed(ax, params, children, estimate);
    const int availMain = ax.Main(params.szAvailable);
    const int availCross = ax.Cross(params.szAvailable);
    const int share = pass.stretchables > 0 ? std::max(0, (availMain - pass.fixed) / pass.stretchables) : 0;

    TFlowResult result;
    result.rects.reserve(children.size());
    int remaining = availMain;
    int fixedRemaining = pass.fixed;
    int cursor = params.bVertical ? params.ptOrigin.y : params.ptOrigin.x;
    const int crossOrigin = params.bVertical ? params.ptOrigin.x : params.ptOrigin.y;
    int stretchSeen = 0;
    for (size_t i = 0; i < children.size(); ++i) {
        const TFlowChild& c = children[i];
        const int padStart = ax.MainStart(c.rcPadding);
        const int padEnd = ax.MainEnd(c.rcPadding);
        remaining -= padStart;
        int length = ax.Main(estimate(i, ax.Make(remaining, availCross)));
        if (length == 0) {
            ++stretchSeen;
            length = share;
            if (stretchSeen == pass.stretchables)
                length = std::max(0, remaining - padEnd - fixedRemaining);
            length = LayoutClamp(length, ax.MainMin(c), ax.MainMax(c));
        } else {
            length = LayoutClamp(length, ax.MainMin(c), ax.MainMax(c));
            fixedRemaining -= length;
        }
        int cross = ax.CrossFixed(c);
        if (cross == 0)
            cross = availCross - ax.CrossStart(c.rcPadding) - ax.CrossEnd(c.rcPadding);
        cross = LayoutClamp(std::max(0, cross), ax.CrossMin(c), ax.CrossMax(c));

        const int mainStart = cursor + padStart;
        const int crossStart = crossOrigin + ax.CrossStart(c.rcPadding);
        result.rects.push_back(ax.MakeRect(mainStart, crossStart, mainStart + length + padEnd, crossStart + cross));

        cursor += length + params.iChildPadding + padStart + padEnd;
        result.iNeeded += length + padStart + padEnd;
        remaining -= length + params.iChildPadding + padEnd;
    }
    result.iNeeded += std::max(0, pass.estimated - 1) * params.iChildPadding;
    return result;
}

}  // namespace SkinUI
