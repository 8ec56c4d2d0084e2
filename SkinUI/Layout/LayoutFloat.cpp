#include "SkinUI/Layout/LayoutFloat.h"

namespace SkinUI {

TFloatPlacement LayoutFloat(const RECT& rcParent, const TFloatRequest& request) {
    TFloatPlacement out;
    RECT& rc = out.rc;
    if (request.szXY.cx >= 0) {
        rc.left = rcParent.left + request.szXY.cx;
        rc.right = rc.left + request.cx;
    } else {
        rc.right = rcParent.right + request.szXY.cx;
        rc.left = rc.right - request.cx;
    }
    if (request.szXY.cy >= 0) {
        rc.top = rcParent.top + request.szXY.cy;
        rc.bottom = rc.top + request.cy;
    } else {
        rc.bottom = rcParent.bottom + request.szXY.cy;
        rc.top = rc.bottom - request.cy;
    }
    out.szParent = request.szParent;
    if (!request.bRelative)
        return out;
    const int width = rcParent.right - rcParent.left;
    const int height = rcParent.bottom - rcParent.top;
    if (request.szParent.cx != 0) {
        const int dx = width - request.szParent.cx;
        const int dy = height - request.szParent.cy;
        rc.left += request.nMoveXPercent * dx / 100;
        rc.top += request.nMoveYPercent * dy / 100;
        rc.right = rc.left + request.cx + request.nZoomXPercent * dx / 100;
        rc.bottom = rc.top + request.cy + request.nZoomYPercent * dy / 100;
    }
    out.szParent = {width, height};
    return out;
}

}  // namespace SkinUI
