#include "SkinUI/Control/ComboPopupGeometry.h"

namespace SkinUI {

SIZE CComboPopupGeometry::Available(const RECT& rcCombo, SIZE szDropBox)
{
    const int cx = szDropBox.cx > 0 ? szDropBox.cx : rcCombo.right - rcCombo.left;
    return SIZE{cx, szDropBox.cy};
}

int CComboPopupGeometry::Height(int cyItems, int cyMax, int cyFrame)
{
    const int needed = cyItems + cyFrame;
    return needed < cyMax ? needed : cyMax;
}

RECT CComboPopupGeometry::Place(const RECT& rcCombo, SIZE szDropBox, int cyItems, const RECT& rcWork, int cyFrame)
{
    const SIZE avail = Available(rcCombo, szDropBox);
    const int cy = Height(cyItems, szDropBox.cy, cyFrame);
    RECT rc = {rcCombo.left, rcCombo.bottom, rcCombo.left + avail.cx, rcCombo.bottom + cy};
    if (rc.bottom > rcWork.bottom) {
        rc.top = rcCombo.top - cy;
        rc.bottom = rcCombo.top;
    }
    return rc;
}

int CComboPopupGeometry::ScrollDelta(const RECT& rcItem, const RECT& rcView)
{
    if (rcView.top <= rcItem.top && rcItem.bottom < rcView.bottom) return 0;
    int d = 0;
    if (rcItem.top < rcView.top) d = rcItem.top - rcView.top;
    if (rcItem.bottom > rcView.bottom) d = rcItem.bottom - rcView.bottom;
    return d;
}

} // namespace SkinUI
