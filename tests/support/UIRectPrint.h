#pragma once
#include <ostream>
#include <string>
#include "SkinUI/Utils/UIRect.h"

namespace SkinUI {

// How GoogleTest shows a rectangle in a failure.
inline void PrintTo(const CUIRect& r, std::ostream* os)
{
    *os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

// A rectangle (a RECT or a CUIRect) as "l,t,r,b", for comparisons whose failure shows it whole.
template <typename TRect> std::string RectText(const TRect& rc)
{
    return std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.right) + "," +
           std::to_string(rc.bottom);
}

} // namespace SkinUI
