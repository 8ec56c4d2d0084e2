#pragma once
#include <windows.h>

namespace SkinUI {

// What a floating child asks for: a fixed offset (negative = from the right or
// bottom edge), a fixed size and optionally a move/zoom share of parent resizes.
struct TFloatRequest {
    SIZE szXY = {0, 0};
    int cx = 0;
    int cy = 0;
    bool bRelative = false;
    SIZE szParent = {0, 0};
    int nMoveXPercent = 0;
    int nMoveYPercent = 0;
    int nZoomXPercent = 0;
    int nZoomYPercent = 0;
};

struct TFloatPlacement {
    RECT rc = {0, 0, 0, 0};
    // The parent size to record when the request is relative.
    SIZE szParent = {0, 0};
};

TFloatPlacement LayoutFloat(const RECT& rcParent, const TFloatRequest& request);

}  // namespace SkinUI
