#include "SkinUI/Control/ScrollBarGeometry.h"
#include <algorithm>

namespace SkinUI {

namespace {

CUIRect Transpose(const CUIRect& rc)
{
    return CUIRect(rc.top, rc.left, rc.bottom, rc.right);
}

// Thumb length and offset in 64 bits: long content times the track overflows int.
void PlaceThumb(const TScrollBarMetrics& m, int height, int track, TScrollBarParts& parts)
{
    CUIRect& thumb = parts.rcThumb;
    const int s = m.nButtonSize;
    thumb.left = m.rcItem.left;
    thumb.right = m.rcItem.left + s;
    if (m.nRange < 1) {
        thumb.top = parts.rcButton1.bottom;
        thumb.bottom = parts.rcButton2.top;
        return;
    }
    const long long range = m.nRange;
    const int length = std::max(static_cast<int>(static_cast<long long>(height) * track / (range + height)), s);
    const int pos = std::clamp(m.nPos, 0, m.nRange);
    thumb.top = static_cast<int>(static_cast<long long>(track - length) * pos / range) + parts.rcButton1.bottom;
    thumb.bottom = thumb.top + length;
    if (thumb.bottom > parts.rcButton2.top) {
        thumb.top -= thumb.bottom - parts.rcButton2.top;
        thumb.bottom = parts.rcButton2.top;
    }
}

TScrollBarParts LayoutVertical(const TScrollBarMetrics& m)
{
    TScrollBarParts parts;
    const CUIRect& b = m.rcItem;
    const int s = m.nButtonSize;
    const int height = b.bottom - b.top;
    int track = height;
    if (m.bShowButton1) track -= s;
    if (m.bShowButton2) track -= s;
    const int button = track > s ? s : std::min(s, height / 2);
    parts.rcButton1 =
        m.bShowButton1 ? CUIRect(b.left, b.top, b.left + s, b.top + button) : CUIRect(b.left, b.top, b.left, b.top);
    parts.rcButton2 = m.bShowButton2 ? CUIRect(b.left, b.bottom - button, b.left + s, b.bottom)
                                     : CUIRect(b.left, b.bottom, b.left, b.bottom);
    if (track > s) PlaceThumb(m, height, track, parts);
    return parts;
}

} // namespace

TScrollBarParts ScrollBarLayoutParts(const TScrollBarMetrics& metrics)
{
    if (!metrics.bHorizontal) return LayoutVertical(metrics);
    TScrollBarMetrics swapped = metrics;
    swapped.rcItem = Transpose(metrics.rcItem);
    TScrollBarParts parts = LayoutVertical(swapped);
    parts.rcButton1 = Transpose(parts.rcButton1);
    parts.rcButton2 = Transpose(parts.rcButton2);
    if (ScrollBarHasThumb(parts.rcThumb)) parts.rcThumb = Transpose(parts.rcThumb);
    return parts;
}

bool ScrollBarHasThumb(const CUIRect& rcThumb)
{
    return rcThumb.left != 0 || rcThumb.top != 0 || rcThumb.right != 0 || rcThumb.bottom != 0;
}

EScrollBarHit ScrollBarHitTest(const TScrollBarParts& parts, const CUIPoint& pt, bool horizontal)
{
    if (parts.rcButton1.Contains(pt)) return EScrollBarHit::Button1;
    if (parts.rcButton2.Contains(pt)) return EScrollBarHit::Button2;
    if (!ScrollBarHasThumb(parts.rcThumb)) return EScrollBarHit::None;
    if (parts.rcThumb.Contains(pt)) return EScrollBarHit::Thumb;
    const int at = horizontal ? pt.x : pt.y;
    const int start = horizontal ? parts.rcThumb.left : parts.rcThumb.top;
    const int end = horizontal ? parts.rcThumb.right : parts.rcThumb.bottom;
    if (at < start) return EScrollBarHit::BeforeThumb;
    // The thumb's end is exclusive: the pixel there is the track's.
    if (at >= end) return EScrollBarHit::AfterThumb;
    return EScrollBarHit::None;
}

bool ScrollBarDragOffset(int distance, int range, int barLength, int thumbLength, int buttonSize, int& offset)
{
    const int free = barLength - thumbLength - 2 * buttonSize;
    // With hidden buttons the free length can go negative: the thumb would run backwards.
    if (free <= 0) return false;
    offset = static_cast<int>(static_cast<long long>(distance) * range / free);
    return true;
}

CUIRect ScrollBarRailRect(const CUIRect& rcThumb, bool horizontal, int buttonSize)
{
    if (horizontal) {
        const int c = (rcThumb.left + rcThumb.right) / 2;
        return CUIRect(c - buttonSize / 2, rcThumb.top, c - buttonSize / 2 + buttonSize, rcThumb.bottom);
    }
    const int c = (rcThumb.top + rcThumb.bottom) / 2;
    return CUIRect(rcThumb.left, c - buttonSize / 2, rcThumb.right, c - buttonSize / 2 + buttonSize);
}

} // namespace SkinUI
