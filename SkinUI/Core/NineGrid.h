#pragma once
#include <vector>
#include "SkinUI/Core/DpiScale.h"
#include "SkinUI/Core/GridRect.h"

namespace SkinUI {

// One blit of a nine-grid drawing: the source part goes to the destination,
// stretched when their sizes differ.
struct TGridPiece {
    TGridRect dest;
    TGridRect src;
};

struct TGridOptions {
    bool alpha = false;
    bool hole = false;
    bool xtiled = false;
    bool ytiled = false;
    // Corners and tiles are image pixels; on the window they take their size at this scale.
    CDpiScale scale;
};

// The geometry of nine-grid drawing: which source part goes where.
class CNineGrid {
public:
    static std::vector<TGridPiece> Layout(const TGridRect& dest, const TGridRect& src,
                                          const TGridRect& corner, const TGridRect& paint,
                                          const TGridOptions& options);

    // Cuts a source part to an image of the given size; false when nothing is left.
    static bool ClipSource(TGridRect& src, int width, int height);

private:
    static void AddMiddle(std::vector<TGridPiece>& pieces, const TGridRect& dest,
                          const TGridRect& src, const TGridOptions& options);
    static void AddEdges(std::vector<TGridPiece>& pieces, const TGridRect& dest,
                         const TGridRect& src, const TGridRect& destCorner, const TGridRect& corner);
};

} // namespace SkinUI
