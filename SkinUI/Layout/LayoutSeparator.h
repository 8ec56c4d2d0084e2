#pragma once
#include "SkinUI/Utils/UIRect.h"

namespace SkinUI {

// The strip of a resizable layout: size > 0 at the bottom (right) edge, < 0 at
// the top (left) edge, 0 none.
CUIRect LayoutSeparatorRect(const CUIRect& rc, int sepSize, bool vertical);

struct TSeparatorDrag {
    bool bVertical = true;
    int nSepSize = 0;
    // Height limits of a vertical layout, width limits of a horizontal one.
    int nMin = 0;
    int nMax = 9999;
};

// One pointer move while dragging: false when the move is ignored, else the
// resized rectangle in out. pointer and last are y (vertical) or x coordinates.
bool LayoutSeparatorStep(const TSeparatorDrag& drag, const CUIRect& rcNew, int pointer, int last, CUIRect& out);

} // namespace SkinUI
