#include "SkinUI/Utils/UIRect.h"

namespace SkinUI {

int CUIRect::GetWidth() const
{
    return right - left;
}

int CUIRect::GetHeight() const
{
    return bottom - top;
}

bool CUIRect::IsEmpty() const
{
    return right <= left || bottom <= top;
}

bool CUIRect::Meets(const CUIRect& other) const
{
    return !IsEmpty() && !other.IsEmpty() && left < other.right && other.left < right && top < other.bottom &&
           other.top < bottom;
}

bool CUIRect::Contains(const CUIPoint& pt) const
{
    return pt.x >= left && pt.x < right && pt.y >= top && pt.y < bottom;
}

void CUIRect::Join(const CUIRect& other)
{
    if (other.left < left) left = other.left;
    if (other.top < top) top = other.top;
    if (other.right > right) right = other.right;
    if (other.bottom > bottom) bottom = other.bottom;
}

bool CUIRect::operator==(const CUIRect& other) const
{
    return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
}

} // namespace SkinUI
