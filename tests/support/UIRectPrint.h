#pragma once
#include <ostream>
#include "SkinUI/Utils/UIRect.h"

namespace SkinUI {

// How GoogleTest shows a rectangle in a failure.
inline void PrintTo(const CUIRect& r, std::ostream* os)
{
    *os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

} // namespace SkinUI
