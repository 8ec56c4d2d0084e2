#pragma once
#include <windows.h>

namespace SkinUI {

// Top-left corner that centres the window on the frame and keeps it inside the work area;
// a window larger than the work area keeps its left and top edges visible.
POINT WindowCentrePosition(const RECT& rcWindow, const RECT& rcFrame, const RECT& rcWork);

// The rectangle of the rounded window region, or false when no region applies.
bool WindowRoundRegionRect(const RECT& rcWindow, SIZE szRoundCorner, bool bMinimised, RECT& rcRegion);

// The work area relative to its monitor's top-left corner.
RECT WindowWorkAreaOnMonitor(const RECT& rcWork, const RECT& rcMonitor);

// The proposed client rectangle of a maximised caption-less window: the work area's size.
RECT WindowMaximisedClient(const RECT& rcProposed, const RECT& rcWorkOnMonitor);

struct TWindowTracking {
    POINT ptMaxPosition = {0, 0};
    POINT ptMaxTrackSize = {0, 0};
    POINT ptMinTrackSize = {0, 0};
};

TWindowTracking WindowTrackingSizes(const RECT& rcWorkOnMonitor, SIZE szMinWindow);

}  // namespace SkinUI
