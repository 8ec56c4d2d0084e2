#include "SkinUI/Core/NineGrid.h"
#include <algorithm>

namespace SkinUI {

namespace {

TGridRect MakeRect(int left, int top, int right, int bottom)
{
    TGridRect rc;
    rc.left = left;
    rc.top = top;
    rc.right = right;
    rc.bottom = bottom;
    return rc;
}

void AddPiece(std::vector<TGridPiece>& pieces, const TGridRect& dest, const TGridRect& src)
{
    if (dest.IsEmpty() || src.IsEmpty()) return;
    pieces.push_back(TGridPiece{dest, src});
}

TGridRect Inner(const TGridRect& rc, const TGridRect& corner)
{
    return MakeRect(rc.left + corner.left, rc.top + corner.top, rc.right - corner.right,
                    rc.bottom - corner.bottom);
}

} // namespace

std::vector<TGridPiece> CNineGrid::Layout(const TGridRect& dest, const TGridRect& src,
                                          const TGridRect& corners, const TGridRect& paint,
                                          const TGridOptions& options)
{
    std::vector<TGridPiece> pieces;
    const TGridRect corner = MakeRect(std::max(corners.left, 0), std::max(corners.top, 0),
                                      std::max(corners.right, 0), std::max(corners.bottom, 0));
    const bool noCorners = corner.left == 0 && corner.top == 0 && corner.right == 0 &&
                           corner.bottom == 0;
    if (!options.alpha && noCorners && dest.Width() == src.Width() &&
        dest.Height() == src.Height()) {
        const TGridRect part = MakeRect(std::max(dest.left, paint.left), std::max(dest.top, paint.top),
                                        std::min(dest.right, paint.right),
                                        std::min(dest.bottom, paint.bottom));
        const int dx = part.left - dest.left;
        const int dy = part.top - dest.top;
        AddPiece(pieces, part,
                 MakeRect(src.left + dx, src.top + dy, src.left + dx + part.Width(),
                          src.top + dy + part.Height()));
        return pieces;
    }
    const TGridRect destCorner = options.scale.ScaleRect(corner);
    if (!options.hole) AddMiddle(pieces, Inner(dest, destCorner), Inner(src, corner), options);
    AddEdges(pieces, dest, src, destCorner, corner);
    pieces.erase(std::remove_if(pieces.begin(), pieces.end(),
                                [&paint](const TGridPiece& piece) { return !piece.dest.Meets(paint); }),
                 pieces.end());
    return pieces;
}

void CNineGrid::AddMiddle(std::vector<TGridPiece>& pieces, const TGridRect& dest,
                          const TGridRect& src, const TGridOptions& options)
{
    if (dest.IsEmpty() || src.IsEmpty()) return;
    const CDpiScale& scale = options.scale;
    const int tileW = options.xtiled ? std::max(1, scale.Scale(src.Width())) : dest.Width();
    const int tileH = options.ytiled ? std::max(1, scale.Scale(src.Height())) : dest.Height();
    for (int y = dest.top; y < dest.bottom; y += tileH) {
        const int h = std::min(tileH, dest.bottom - y);
        // A cut tile takes the share of the source it covers.
        const int srcH = options.ytiled ? std::max(1, std::min(src.Height(), scale.Unscale(h))) : src.Height();
        for (int x = dest.left; x < dest.right; x += tileW) {
            const int w = std::min(tileW, dest.right - x);
            const int srcW = options.xtiled ? std::max(1, std::min(src.Width(), scale.Unscale(w))) : src.Width();
            AddPiece(pieces, MakeRect(x, y, x + w, y + h),
                     MakeRect(src.left, src.top, src.left + srcW, src.top + srcH));
        }
    }
}

void CNineGrid::AddEdges(std::vector<TGridPiece>& pieces, const TGridRect& d, const TGridRect& s,
                         const TGridRect& dc, const TGridRect& c)
{
    // Order: top-left, top, top-right, left, right, bottom-left, bottom, bottom-right.
    AddPiece(pieces, MakeRect(d.left, d.top, d.left + dc.left, d.top + dc.top),
             MakeRect(s.left, s.top, s.left + c.left, s.top + c.top));
    AddPiece(pieces, MakeRect(d.left + dc.left, d.top, d.right - dc.right, d.top + dc.top),
             MakeRect(s.left + c.left, s.top, s.right - c.right, s.top + c.top));
    AddPiece(pieces, MakeRect(d.right - dc.right, d.top, d.right, d.top + dc.top),
             MakeRect(s.right - c.right, s.top, s.right, s.top + c.top));
    AddPiece(pieces, MakeRect(d.left, d.top + dc.top, d.left + dc.left, d.bottom - dc.bottom),
             MakeRect(s.left, s.top + c.top, s.left + c.left, s.bottom - c.bottom));
    AddPiece(pieces, MakeRect(d.right - dc.right, d.top + dc.top, d.right, d.bottom - dc.bottom),
             MakeRect(s.right - c.right, s.top + c.top, s.right, s.bottom - c.bottom));
    AddPiece(pieces, MakeRect(d.left, d.bottom - dc.bottom, d.left + dc.left, d.bottom),
             MakeRect(s.left, s.bottom - c.bottom, s.left + c.left, s.bottom));
    AddPiece(pieces, MakeRect(d.left + dc.left, d.bottom - dc.bottom, d.right - dc.right, d.bottom),
             MakeRect(s.left + c.left, s.bottom - c.bottom, s.right - c.right, s.bottom));
    AddPiece(pieces, MakeRect(d.right - dc.right, d.bottom - dc.bottom, d.right, d.bottom),
             MakeRect(s.right - c.right, s.bottom - c.bottom, s.right, s.bottom));
}

bool CNineGrid::ClipSource(TGridRect& src, int width, int height)
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
