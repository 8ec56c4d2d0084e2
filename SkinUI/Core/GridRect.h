#pragma once

namespace SkinUI {

// Platform-neutral rectangle for the drawing geometry; same edge order as RECT.
struct TGridRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Meets(const TGridRect& other) const
    {
        return !IsEmpty() && !other.IsEmpty() && left < other.right && other.left < right &&
               top < other.bottom && other.top < bottom;
    }
};

} // namespace SkinUI
