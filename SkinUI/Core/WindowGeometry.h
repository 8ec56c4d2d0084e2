#pragma once
#include "SkinUI/Utils/UIRect.h"

namespace SkinUI {

// Top-left corner that centres the window on the frame and keeps it inside the work area;
// a window larger than the work area keeps its left and top edges visible.
CUIPoint WindowCentrePosition(const CUIRect& rcWindow, const CUIRect& rcFrame, const CUIRect& rcWork);

// The rectangle of the rounded window region, or false when no region applies.
bool WindowRoundRegionRect(const CUIRect& rcWindow, const CUISize& szRoundCorner, bool bMinimised, CUIRect& rcRegion);

// The work area relative to its monitor's top-left corner.
CUIRect WindowWorkAreaOnMonitor(const CUIRect& rcWork, const CUIRect& rcMonitor);

// The proposed client rectangle of a maximised caption-less window: the work area's size.
CUIRect WindowMaximisedClient(const CUIRect& rcProposed, const CUIRect& rcWorkOnMonitor);

struct TWindowTracking {
    CUIPoint ptMaxPosition;
    CUIPoint ptMaxTrackSize;
    CUIPoint ptMinTrackSize;
};

TWindowTracking WindowTrackingSizes(const CUIRect& rcWorkOnMonitor, const CUISize& szMinWindow);

} // namespace SkinUI
