#pragma once
#include <vector>
#include "SkinUI/Core/DpiScale.h"
#include "SkinUI/Utils/UIRect.h"

namespace SkinUI {

// One blit of a nine-grid drawing: the source part goes to the destination,
// stretched when their sizes differ.
struct TGridPiece {
    CUIRect dest;
    CUIRect src;
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
    static std::vector<TGridPiece> Layout(const CUIRect& dest, const CUIRect& src, const CUIRect& corner,
                                          const CUIRect& paint, const TGridOptions& options);

    // Cuts a source part to an image of the given size; false when nothing is left.
    static bool ClipSource(CUIRect& src, int width, int height);

private:
    static void AddMiddle(std::vector<TGridPiece>& pieces, const CUIRect& dest, const CUIRect& src,
                          const CUIRect& paint, const TGridOptions& options);
    static void AddEdges(std::vector<TGridPiece>& pieces, const CUIRect& dest, const CUIRect& src,
                         const CUIRect& destCorner, const CUIRect& corner);
};

} // namespace SkinUI
