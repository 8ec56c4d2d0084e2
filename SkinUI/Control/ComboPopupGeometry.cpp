#include "SkinUI/Control/ComboPopupGeometry.h"

namespace SkinUI {

CUISize CComboPopupGeometry::Available(const CUIRect& rcCombo, const CUISize& szDropBox)
{
    const int cx = szDropBox.cx > 0 ? szDropBox.cx : rcCombo.GetWidth();
    return CUISize(cx, szDropBox.cy);
}

int CComboPopupGeometry::Height(int cyItems, int cyMax, int cyFrame)
{
    const int needed = cyItems + cyFrame;
    return needed < cyMax ? needed : cyMax;
}

CUIRect CComboPopupGeometry::Place(const CUIRect& rcCombo, const CUISize& szDropBox, int cyItems, const CUIRect& rcWork,
                                   int cyFrame)
{
    const CUISize avail = Available(rcCombo, szDropBox);
    const int cy = Height(cyItems, szDropBox.cy, cyFrame);
    CUIRect rc(rcCombo.left, rcCombo.bottom, rcCombo.left + avail.cx, rcCombo.bottom + cy);
    if (rc.bottom > rcWork.bottom) {
        rc.top = rcCombo.top - cy;
        rc.bottom = rcCombo.top;
    }
    return rc;
}

int CComboPopupGeometry::ScrollDelta(const CUIRect& rcItem, const CUIRect& rcView)
{
    if (rcView.top <= rcItem.top && rcItem.bottom < rcView.bottom) return 0;
    int d = 0;
    if (rcItem.top < rcView.top) d = rcItem.top - rcView.top;
    if (rcItem.bottom > rcView.bottom) d = rcItem.bottom - rcView.bottom;
    return d;
}

} // namespace SkinUI
