#include "SkinUI/Core/WindowGeometry.h"

namespace SkinUI {

namespace {

int CentredStart(int frameStart, int frameEnd, int size, int workStart, int workEnd)
{
    int start = (frameStart + frameEnd) / 2 - size / 2;
    if (start < workStart) {
        start = workStart;
    } else if (start + size > workEnd) {
        start = workEnd - size;
    }
    return start;
}

}  // namespace

POINT WindowCentrePosition(const RECT& rcWindow, const RECT& rcFrame, const RECT& rcWork)
{
    const int width = rcWindow.right - rcWindow.left;
    const int height = rcWindow.bottom - rcWindow.top;
    POINT pt = {};
    pt.x = CentredStart(rcFrame.left, rcFrame.right, width, rcWork.left, rcWork.right);
    pt.y = CentredStart(rcFrame.top, rcFrame.bottom, height, rcWork.top, rcWork.bottom);
    return pt;
}

bool WindowRoundRegionRect(const RECT& rcWindow, SIZE szRoundCorner, bool bMinimised, RECT& rcRegion)
{
    if (bMinimised || (szRoundCorner.cx == 0 && szRoundCorner.cy == 0)) return false;
    rcRegion.left = 0;
    rcRegion.top = 0;
    rcRegion.right = rcWindow.right - rcWindow.left + 1;
    rcRegion.bottom = rcWindow.bottom - rcWindow.top + 1;
    return true;
}

RECT WindowWorkAreaOnMonitor(const RECT& rcWork, const RECT& rcMonitor)
{
    RECT rc = rcWork;
    rc.left -= rcMonitor.left;
    rc.right -= rcMonitor.left;
    rc.top -= rcMonitor.top;
    rc.bottom -= rcMonitor.top;
    return rc;
}

RECT WindowMaximisedClient(const RECT& rcProposed, const RECT& rcWorkOnMonitor)
{
    RECT rc = rcProposed;
    rc.right = rc.left + (rcWorkOnMonitor.right - rcWorkOnMonitor.left);
    rc.bottom = rc.top + (rcWorkOnMonitor.bottom - rcWorkOnMonitor.top);
    return rc;
}

TWindowTracking WindowTrackingSizes(const RECT& rcWorkOnMonitor, SIZE szMinWindow)
{
    TWindowTracking tracking;
    tracking.ptMaxPosition = {rcWorkOnMonitor.left, rcWorkOnMonitor.top};
    tracking.ptMaxTrackSize = {rcWorkOnMonitor.right - rcWorkOnMonitor.left,
                               rcWorkOnMonitor.bottom - rcWorkOnMonitor.top};
    tracking.ptMinTrackSize = {szMinWindow.cx, szMinWindow.cy};
    return tracking;
}

}  // namespace SkinUI
