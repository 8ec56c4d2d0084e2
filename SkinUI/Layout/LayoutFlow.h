#pragma once
#include <functional>
#include <vector>
#include "SkinUI/Utils/UIRect.h"

namespace SkinUI {

// Size constraints of one child that takes part in a vertical or horizontal flow.
struct TFlowChild {
    CUIRect rcPadding;
    int cxFixed = 0;
    int cyFixed = 0;
    int cxMin = 0;
    int cxMax = 9999;
    int cyMin = 0;
    int cyMax = 9999;
};

struct TFlowParams {
    bool bVertical = true;
    // Available size: the inner width widened by the horizontal scroll range.
    CUISize szAvailable;
    // Where the first child starts, already shifted by the scroll positions.
    CUIPoint ptOrigin;
    int iChildPadding = 0;
};

struct TFlowResult {
    std::vector<CUIRect> rects;
    // Content length along the flow axis, for the scroll range.
    int iNeeded = 0;
};

// Child index and available size in, estimated size out.
using FlowEstimate = std::function<CUISize(size_t, CUISize)>;

// Two passes: fixed lengths first, then the stretchable children share what is left.
TFlowResult LayoutFlow(const TFlowParams& params, const std::vector<TFlowChild>& children,
                       const FlowEstimate& estimate);

// The item rectangle less the inset and the visible scroll bars; never inverted.
CUIRect LayoutInnerRect(const CUIRect& rcItem, const CUIRect& rcInset, int cxVertBar, int cyHorzBar);

int LayoutClamp(int value, int minimum, int maximum);

} // namespace SkinUI
