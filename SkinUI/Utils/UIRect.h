#pragma once

namespace SkinUI {

// The framework's point, size and rectangle: plain values without the
// platform's types, for the logic that needs no window. Code that talks to the
// window system converts them with the functions of UIRectWin.h.
class CUIPoint {
public:
    CUIPoint() = default;
    CUIPoint(int px, int py)
        : x(px)
        , y(py)
    {}

    int x = 0;
    int y = 0;
};

class CUISize {
public:
    CUISize() = default;
    CUISize(int width, int height)
        : cx(width)
        , cy(height)
    {}

    int cx = 0;
    int cy = 0;
};

// Edges in the order left, top, right, bottom; right and bottom lie outside.
class CUIRect {
public:
    CUIRect() = default;
    CUIRect(int l, int t, int r, int b)
        : left(l)
        , top(t)
        , right(r)
        , bottom(b)
    {}

    int GetWidth() const;
    int GetHeight() const;
    bool IsEmpty() const;
    // Both are not empty and share at least one pixel.
    bool Meets(const CUIRect& other) const;
    bool Contains(const CUIPoint& pt) const;
    // Grows to take in the other rectangle as well.
    void Join(const CUIRect& other);
    bool operator==(const CUIRect& other) const;
    bool operator!=(const CUIRect& other) const { return !(*this == other); }

    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

} // namespace SkinUI
