#pragma once
#include "tests/SkinUI/support/PixelSurface.h"

// A black 200 x 100 surface.
class CPixelCanvas : public CPixelSurface {
public:
    enum { kWidth = 200, kHeight = 100 };
    CPixelCanvas() : CPixelSurface(kWidth, kHeight, 0) {}
    void Clear() { Fill(0); }
};
