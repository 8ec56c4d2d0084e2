#include "SkinUI/Layout/LayoutSeparator.h"
#include <algorithm>

namespace SkinUI {

namespace {

CUIRect Transpose(const CUIRect& rc)
{
    return CUIRect(rc.top, rc.left, rc.bottom, rc.right);
}

// The vertical case; the horizontal one runs on transposed rectangles.
bool StepVertical(const TSeparatorDrag& drag, const CUIRect& rcNew, int y, int lastY, CUIRect& out)
{
    const int d = y - lastY;
    const int s = drag.nSepSize;
    CUIRect r = rcNew;
    const bool bottomEdge = s >= 0;
    if (bottomEdge) {
        if ((d > 0 && y < rcNew.bottom - s) || (d < 0 && y > rcNew.bottom)) return false;
        r.bottom += d;
    } else {
        if ((d > 0 && y < rcNew.top) || (d < 0 && y > rcNew.top - s)) return false;
        r.top += d;
    }
    if (r.GetHeight() <= drag.nMin) {
        if (rcNew.GetHeight() <= drag.nMin) return false;
        if (bottomEdge)
            r.bottom = r.top + drag.nMin;
        else
            r.top = r.bottom - drag.nMin;
    }
    if (r.GetHeight() >= drag.nMax) {
        if (rcNew.GetHeight() >= drag.nMax) return false;
        if (bottomEdge)
            r.bottom = r.top + drag.nMax;
        else
            r.top = r.bottom - drag.nMax;
    }
    out = r;
    return true;
}

} // namespace

CUIRect LayoutSeparatorRect(const CUIRect& rc, int sepSize, bool vertical)
{
    if (vertical) {
        if (sepSize >= 0) return CUIRect(rc.left, std::max(rc.bottom - sepSize, rc.top), rc.right, rc.bottom);
        return CUIRect(rc.left, rc.top, rc.right, std::min(rc.top - sepSize, rc.bottom));
    }
    if (sepSize >= 0) return CUIRect(rc.right - sepSize, rc.top, rc.right, rc.bottom);
    return CUIRect(rc.left, rc.top, rc.left - sepSize, rc.bottom);
}

bool LayoutSeparatorStep(const TSeparatorDrag& drag, const CUIRect& rcNew, int pointer, int last, CUIRect& out)
{
    if (drag.bVertical) return StepVertical(drag, rcNew, pointer, last, out);
    CUIRect moved;
    if (!StepVertical(drag, Transpose(rcNew), pointer, last, moved)) return false;
    out = Transpose(moved);
    return true;
}

} // namespace SkinUI
