#pragma once
#include <windows.h>
#include <functional>
#include <vector>

namespace SkinUI {

// Size constraints of one child that takes part in a vertical or horizontal flow.
struct TFlowChild {
    RECT rcPadding = {0, 0, 0, 0};
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
    SIZE szAvailable = {0, 0};
    // Where the first child starts, already shifted by the scroll positions.
    POINT ptOrigin = {0, 0};
    int iChildPadding = 0;
};

struct TFlowResult {
    std::vector<RECT> rects;
    // Content length along the flow axis, for the scroll range.
    int iNeeded = 0;
};

// Child index and available size in, estimated size out.
using FlowEstimate = std::function<SIZE(size_t, SIZE)>;

// Two passes: fixed lengths first, then the stretchable children share what is left.
TFlowResult LayoutFlow(const TFlowParams& params, const std::vector<TFlowChild>& children,
                       const FlowEstimate& estimate);

// The item rectangle less the inset and the visible scroll bars; never inverted.
RECT LayoutInnerRect(const RECT& rcItem, const RECT& rcInset, int cxVertBar, int cyHorzBar);

int LayoutClamp(int value, int minimum, int maximum);

}  // namespace SkinUI
