#pragma once
#include <windows.h>
#include "SkinUI/Utils/UIRect.h"

namespace SkinUI {

// The framework's geometry to the platform's and back, where window code
// calls the window-free logic.
inline CUIRect ToUIRect(const RECT& rc)
{
    return CUIRect(rc.left, rc.top, rc.right, rc.bottom);
}

inline RECT ToRECT(const CUIRect& rc)
{
    return RECT{rc.left, rc.top, rc.right, rc.bottom};
}

inline CUISize ToUISize(const SIZE& sz)
{
    return CUISize(sz.cx, sz.cy);
}

inline SIZE ToSIZE(const CUISize& sz)
{
    return SIZE{sz.cx, sz.cy};
}

inline CUIPoint ToUIPoint(const POINT& pt)
{
    return CUIPoint(pt.x, pt.y);
}

inline POINT ToPOINT(const CUIPoint& pt)
{
    return POINT{pt.x, pt.y};
}

} // namespace SkinUI
