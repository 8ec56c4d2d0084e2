#include "SkinUI/Core/NineGrid.h"
#include <algorithm>

namespace SkinUI {

namespace {

// Drawing surfaces take coordinates up to 2^27; within that range none of the
// sums below can overflow.
const int kMaxCoordinate = 1 << 27;

int Limit(int value, int low, int high)
{
    return std::max(low, std::min(value, high));
}

CUIRect Drawable(const CUIRect& rc)
{
    return CUIRect(Limit(rc.left, -kMaxCoordinate, kMaxCoordinate), Limit(rc.top, -kMaxCoordinate, kMaxCoordinate),
                   Limit(rc.right, -kMaxCoordinate, kMaxCoordinate), Limit(rc.bottom, -kMaxCoordinate, kMaxCoordinate));
}

void AddPiece(std::vector<TGridPiece>& pieces, const CUIRect& dest, const CUIRect& src)
{
    if (dest.IsEmpty() || src.IsEmpty()) return;
    pieces.push_back(TGridPiece{dest, src});
}

CUIRect Inner(const CUIRect& rc, const CUIRect& corner)
{
    return CUIRect(rc.left + corner.left, rc.top + corner.top, rc.right - corner.right, rc.bottom - corner.bottom);
}

// The start of the first tile of a grid from origin that ends after from.
int FirstTile(int origin, int size, int from)
{
    return from - size < origin ? origin : origin + ((from - size - origin) / size + 1) * size;
}

} // namespace

std::vector<TGridPiece> CNineGrid::Layout(const CUIRect& destIn, const CUIRect& srcIn, const CUIRect& corners,
                                          const CUIRect& paintIn, const TGridOptions& options)
{
    std::vector<TGridPiece> pieces;
    const CUIRect dest = Drawable(destIn);
    const CUIRect src = Drawable(srcIn);
    const CUIRect paint = Drawable(paintIn);
    // A corner is never larger than the source part it is cut from.
    const int srcWidth = std::max(src.GetWidth(), 0);
    const int srcHeight = std::max(src.GetHeight(), 0);
    const CUIRect corner = CUIRect(Limit(corners.left, 0, srcWidth), Limit(corners.top, 0, srcHeight),
                                   Limit(corners.right, 0, srcWidth), Limit(corners.bottom, 0, srcHeight));
    const bool noCorners = corner.left == 0 && corner.top == 0 && corner.right == 0 && corner.bottom == 0;
    if (!options.alpha && noCorners && dest.GetWidth() == src.GetWidth() && dest.GetHeight() == src.GetHeight()) {
        const CUIRect part = CUIRect(std::max(dest.left, paint.left), std::max(dest.top, paint.top),
                                     std::min(dest.right, paint.right), std::min(dest.bottom, paint.bottom));
        const int dx = part.left - dest.left;
        const int dy = part.top - dest.top;
        AddPiece(
            pieces, part,
            CUIRect(src.left + dx, src.top + dy, src.left + dx + part.GetWidth(), src.top + dy + part.GetHeight()));
        return pieces;
    }
    const CUIRect destCorner = options.scale.ScaleRect(corner);
    if (!options.hole) AddMiddle(pieces, Inner(dest, destCorner), Inner(src, corner), paint, options);
    AddEdges(pieces, dest, src, destCorner, corner);
    pieces.erase(std::remove_if(pieces.begin(), pieces.end(),
                                [&paint](const TGridPiece& piece) { return !piece.dest.Meets(paint); }),
                 pieces.end());
    return pieces;
}

// Only the tiles that can meet the paint rectangle are made, so a long tiled
// middle costs no more than the part that is painted.
void CNineGrid::AddMiddle(std::vector<TGridPiece>& pieces, const CUIRect& dest, const CUIRect& src,
                          const CUIRect& paint, const TGridOptions& options)
{
    if (dest.IsEmpty() || src.IsEmpty()) return;
    const CDpiScale& scale = options.scale;
    const int tileW = options.xtiled ? std::max(1, scale.Scale(src.GetWidth())) : dest.GetWidth();
    const int tileH = options.ytiled ? std::max(1, scale.Scale(src.GetHeight())) : dest.GetHeight();
    const int bottom = std::min(dest.bottom, paint.bottom);
    const int right = std::min(dest.right, paint.right);
    for (int y = FirstTile(dest.top, tileH, paint.top); y < bottom; y += tileH) {
        const int h = std::min(tileH, dest.bottom - y);
        // A cut tile takes the share of the source it covers.
        const int srcH = options.ytiled ? std::max(1, std::min(src.GetHeight(), scale.Unscale(h))) : src.GetHeight();
        for (int x = FirstTile(dest.left, tileW, paint.left); x < right; x += tileW) {
            const int w = std::min(tileW, dest.right - x);
            const int srcW = options.xtiled ? std::max(1, std::min(src.GetWidth(), scale.Unscale(w))) : src.GetWidth();
            AddPiece(pieces, CUIRect(x, y, x + w, y + h), CUIRect(src.left, src.top, src.left + srcW, src.top + srcH));
        }
    }
}

void CNineGrid::AddEdges(std::vector<TGridPiece>& pieces, const CUIRect& d, const CUIRect& s, const CUIRect& dc,
                         const CUIRect& c)
{
    // Order: top-left, top, top-right, left, right, bottom-left, bottom, bottom-right.
    AddPiece(pieces, CUIRect(d.left, d.top, d.left + dc.left, d.top + dc.top),
             CUIRect(s.left, s.top, s.left + c.left, s.top + c.top));
    AddPiece(pieces, CUIRect(d.left + dc.left, d.top, d.right - dc.right, d.top + dc.top),
             CUIRect(s.left + c.left, s.top, s.right - c.right, s.top + c.top));
    AddPiece(pieces, CUIRect(d.right - dc.right, d.top, d.right, d.top + dc.top),
             CUIRect(s.right - c.right, s.top, s.right, s.top + c.top));
    AddPiece(pieces, CUIRect(d.left, d.top + dc.top, d.left + dc.left, d.bottom - dc.bottom),
             CUIRect(s.left, s.top + c.top, s.left + c.left, s.bottom - c.bottom));
    AddPiece(pieces, CUIRect(d.right - dc.right, d.top + dc.top, d.right, d.bottom - dc.bottom),
             CUIRect(s.right - c.right, s.top + c.top, s.right, s.bottom - c.bottom));
    AddPiece(pieces, CUIRect(d.left, d.bottom - dc.bottom, d.left + dc.left, d.bottom),
             CUIRect(s.left, s.bottom - c.bottom, s.left + c.left, s.bottom));
    AddPiece(pieces, CUIRect(d.left + dc.left, d.bottom - dc.bottom, d.right - dc.right, d.bottom),
             CUIRect(s.left + c.left, s.bottom - c.bottom, s.right - c.right, s.bottom));
    AddPiece(pieces, CUIRect(d.right - dc.right, d.bottom - dc.bottom, d.right, d.bottom),
             CUIRect(s.right - c.right, s.bottom - c.bottom, s.right, s.bottom));
}

bool CNineGrid::ClipSource(CUIRect& src, int width, int height)
{
    if (src.left == 0 && src.top == 0 && src.right == 0 && src.bottom == 0) {
        src.right = width;
        src.bottom = height;
    }
    src.left = std::max(src.left, 0);
    src.top = std::max(src.top, 0);
    src.right = std::min(src.right, width);
    src.bottom = std::min(src.bottom, height);
    return !src.IsEmpty();
}

} // namespace SkinUI
