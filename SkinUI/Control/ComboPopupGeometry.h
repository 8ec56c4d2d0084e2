#pragma once
#include "SkinUI/Utils/UIRect.h"

namespace SkinUI {

// Placement of a combo's drop-down list and scrolling an item into its view.
class CComboPopupGeometry {
public:
    // Border around the items inside the popup, counted into its height.
    static constexpr int kFrameHeight = 4;

    // The size offered to each item's estimate: popup width and the maximum height.
    static CUISize Available(const CUIRect& rcCombo, const CUISize& szDropBox);
    static int Height(int cyItems, int cyMax, int cyFrame = kFrameHeight);
    // rcCombo in screen coordinates; the popup goes above when it would pass the work area's bottom.
    static CUIRect Place(const CUIRect& rcCombo, const CUISize& szDropBox, int cyItems, const CUIRect& rcWork,
                         int cyFrame = kFrameHeight);
    // Vertical scroll that brings rcItem into rcView; 0 when already inside.
    static int ScrollDelta(const CUIRect& rcItem, const CUIRect& rcView);
};

} // namespace SkinUI
