#include "SkinUI/Utils/UIRect.h"

namespace SkinUI {

CUIRect::CUIRect() : RECT{0, 0, 0, 0} {}

CUIRect::CUIRect(const RECT& src) : RECT(src) {}

CUIRect::CUIRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}

int CUIRect::GetWidth() const {
    return right - left;
}

int CUIRect::GetHeight() const {
    return bottom - top;
}

void CUIRect::Join(const RECT& other) {
    if (other.left < left) left = other.left;
    if (other.top < top) top = other.top;
    if (other.right > right) right = other.right;
    if (other.bottom > bottom) bottom = other.bottom;
}

}  // namespace SkinUI
