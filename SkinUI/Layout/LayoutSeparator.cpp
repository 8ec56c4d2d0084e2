#include "SkinUI/Layout/LayoutSeparator.h"
#include <algorithm>

namespace SkinUI {

namespace {

RECT Transpose(const RECT& rc) {
    return RECT{rc.top, rc.left, rc.bottom, rc.right};
}

int Height(const RECT& rc) {
    return rc.bottom - rc.top;
}

// The vertical case; the horizontal one runs on transposed rectangles.
bool StepVertical(const TSeparatorDrag& drag, const RECT& rcNew, int y, int lastY, RECT& out) {
    const int d = y - lastY;
    const int s = drag.nSepSize;
    RECT r = rcNew;
    const bool bottomEdge = s >= 0;
    if (bottomEdge) {
        if ((d > 0 && y < rcNew.bottom - s) || (d < 0 && y > rcNew.bottom))
            return false;
        r.bottom += d;
    } else {
        if ((d > 0 && y < rcNew.top) || (d < 0 && y > rcNew.top - s))
            return false;
        r.top += d;
    }
    if (Height(r) <= drag.nMin) {
        if (Height(rcNew) <= drag.nMin)
            return false;
        if (bottomEdge)
            r.bottom = r.top + drag.nMin;
        else
            r.top = r.bottom - drag.nMin;
    }
    if (Height(r) >= drag.nMax) {
        if (Height(rcNew) >= drag.nMax)
            return false;
        if (bottomEdge)
            r.bottom = r.top + drag.nMax;
        else
            r.top = r.bottom - drag.nMax;
    }
    out = r;
    return true;
}

}  // namespace

RECT LayoutSeparatorRect(const RECT& rc, int sepSize, bool vertical) {
    if (vertical) {
        if (sepSize >= 0)
            return RECT{rc.left, std::max<LONG>(rc.bottom - sepSize, rc.top), rc.right, rc.bottom};
        return RECT{rc.left, rc.top, rc.right, std::min<LONG>(rc.top - sepSize, rc.bottom)};
    }
    if (sepSize >= 0)
        return RECT{rc.right - sepSize, rc.top, rc.right, rc.bottom};
    return RECT{rc.left, rc.top, rc.left - sepSize, rc.bottom};
}

bool LayoutSeparatorStep(const TSeparatorDrag& drag, const RECT& rcNew, int pointer, int last, RECT& out) {
    if (drag.bVertical)
        return StepVertical(drag, rcNew, pointer, last, out);
    RECT moved;
    if (!StepVertical(drag, Transpose(rcNew), pointer, last, moved))
        return false;
    out = Transpose(moved);
    return true;
}

}  // namespace SkinUI
