#pragma once
#include <windows.h>

namespace SkinUI {

struct TScrollBarMetrics {
    RECT rcItem = {0, 0, 0, 0};
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
    RECT rcButton1 = {0, 0, 0, 0};
    RECT rcButton2 = {0, 0, 0, 0};
    RECT rcThumb = {0, 0, 0, 0};
};

enum class EScrollBarHit { Button1, Button2, Thumb, BeforeThumb, AfterThumb, None };

TScrollBarParts ScrollBarLayoutParts(const TScrollBarMetrics& metrics);

// Which part a press at pt lands on; the track without a thumb counts as None.
EScrollBarHit ScrollBarHitTest(const TScrollBarParts& parts, POINT pt, bool horizontal);

// Position change for a thumb dragged by distance pixels along the bar; false (offset
// untouched) when there is no free length. It always subtracts both buttons, shown or not.
bool ScrollBarDragOffset(int distance, int range, int barLength, int thumbLength, int buttonSize, int& offset);

// The square of the rail (grip) image centred on the thumb.
RECT ScrollBarRailRect(const RECT& rcThumb, bool horizontal, int buttonSize);

bool ScrollBarHasThumb(const RECT& rcThumb);

}  // namespace SkinUI
