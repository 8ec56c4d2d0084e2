#pragma once
#include <string>
#include "SkinUI/Core/GridRect.h"

namespace SkinUI {

// Everything an image description says about one image to draw.
struct TImageDrawState {
    std::string name;
    std::string resType;
    TGridRect dest;
    TGridRect source;
    TGridRect corner;
    unsigned int mask = 0;
    unsigned char fade = 255;
    bool hole = false;
    bool xtiled = false;
    bool ytiled = false;
};

} // namespace SkinUI
