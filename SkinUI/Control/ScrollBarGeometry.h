#pragma once
#include "SkinUI/Utils/UIRect.h"

namespace SkinUI {

struct TScrollBarMetrics {
    CUIRect rcItem;
    bool bHorizontal = false;
    // Button size: the fixed width of a vertical bar, the fixed height of a horizontal one.
    int nButtonSize = 16;
    bool bShowButton1 = true;
    bool bShowButton2 = true;
    int nRange = 100;
    int nPos = 0;
};

// An all-zero thumb means the bar is too short to have one.
struct TScrollBarParts {
    CUIRect rcButton1;
    CUIRect rcButton2;
    CUIRect rcThumb;
};

enum class EScrollBarHit { Button1, Button2, Thumb, BeforeThumb, AfterThumb, None };

TScrollBarParts ScrollBarLayoutParts(const TScrollBarMetrics& metrics);

// Which part a press at pt lands on; the track without a thumb counts as None.
EScrollBarHit ScrollBarHitTest(const TScrollBarParts& parts, const CUIPoint& pt, bool horizontal);

// Position change for a thumb dragged by distance pixels along the bar; false (offset
// untouched) when there is no free length. It always subtracts both buttons, shown or not.
bool ScrollBarDragOffset(int distance, int range, int barLength, int thumbLength, int buttonSize, int& offset);

// The square of the rail (grip) image centred on the thumb.
CUIRect ScrollBarRailRect(const CUIRect& rcThumb, bool horizontal, int buttonSize);

bool ScrollBarHasThumb(const CUIRect& rcThumb);

} // namespace SkinUI
