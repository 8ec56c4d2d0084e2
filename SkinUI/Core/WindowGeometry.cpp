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

} // namespace

CUIPoint WindowCentrePosition(const CUIRect& rcWindow, const CUIRect& rcFrame, const CUIRect& rcWork)
{
    return CUIPoint(CentredStart(rcFrame.left, rcFrame.right, rcWindow.GetWidth(), rcWork.left, rcWork.right),
                    CentredStart(rcFrame.top, rcFrame.bottom, rcWindow.GetHeight(), rcWork.top, rcWork.bottom));
}

bool WindowRoundRegionRect(const CUIRect& rcWindow, const CUISize& szRoundCorner, bool bMinimised, CUIRect& rcRegion)
{
    if (bMinimised || (szRoundCorner.cx == 0 && szRoundCorner.cy == 0)) return false;
    rcRegion = CUIRect(0, 0, rcWindow.GetWidth() + 1, rcWindow.GetHeight() + 1);
    return true;
}

CUIRect WindowWorkAreaOnMonitor(const CUIRect& rcWork, const CUIRect& rcMonitor)
{
    CUIRect rc = rcWork;
    rc.left -= rcMonitor.left;
    rc.right -= rcMonitor.left;
    rc.top -= rcMonitor.top;
    rc.bottom -= rcMonitor.top;
    return rc;
}

CUIRect WindowMaximisedClient(const CUIRect& rcProposed, const CUIRect& rcWorkOnMonitor)
{
    CUIRect rc = rcProposed;
    rc.right = rc.left + rcWorkOnMonitor.GetWidth();
    rc.bottom = rc.top + rcWorkOnMonitor.GetHeight();
    return rc;
}

TWindowTracking WindowTrackingSizes(const CUIRect& rcWorkOnMonitor, const CUISize& szMinWindow)
{
    TWindowTracking tracking;
    tracking.ptMaxPosition = CUIPoint(rcWorkOnMonitor.left, rcWorkOnMonitor.top);
    tracking.ptMaxTrackSize = CUIPoint(rcWorkOnMonitor.GetWidth(), rcWorkOnMonitor.GetHeight());
    tracking.ptMinTrackSize = CUIPoint(szMinWindow.cx, szMinWindow.cy);
    return tracking;
}

} // namespace SkinUI
