#pragma once
#include "SkinUI/Utils/UIRect.h"
#include "SkinUI/Utils/UIString.h"

namespace SkinUI {

// The combo box arrow: one of five state cells of the image's source strip, drawn at the right end.
class CComboArrowImage {
public:
    enum { kStateCount = 5 };

    // State cell: 4 disabled, 2 pushed, 1 hot, 3 focused, 0 normal.
    static int StateIndex(unsigned int uButtonState);
    // False when the description has no complete source='l,t,r,b'. Otherwise the modifier that
    // draws the state's cell at the right end of (0, 0, cx, cy) inside the border, and its width.
    static bool BuildModifier(const char* image, int iState, const CUISize& szItem, int nBorder, CUIString& sModify,
                              int& cxArrow);
};

} // namespace SkinUI
