#pragma once
#include "SkinUI/Utils/UIRect.h"

namespace SkinUI {

// What a floating child asks for: a fixed offset (negative = from the right or
// bottom edge), a fixed size and optionally a move/zoom share of parent resizes.
struct TFloatRequest {
    CUISize szXY;
    int cx = 0;
    int cy = 0;
    bool bRelative = false;
    CUISize szParent;
    int nMoveXPercent = 0;
    int nMoveYPercent = 0;
    int nZoomXPercent = 0;
    int nZoomYPercent = 0;
};

struct TFloatPlacement {
    CUIRect rc;
    // The parent size to record when the request is relative.
    CUISize szParent;
};

TFloatPlacement LayoutFloat(const CUIRect& rcParent, const TFloatRequest& request);

} // namespace SkinUI
