#pragma once
#include <string>
#include "SkinUI/Utils/UIRect.h"

namespace SkinUI {

// Everything an image description says about one image to draw.
struct TImageDrawState {
    std::string name;
    std::string resType;
    CUIRect dest;
    CUIRect source;
    CUIRect corner;
    unsigned int mask = 0;
    unsigned char fade = 255;
    bool hole = false;
    bool xtiled = false;
    bool ytiled = false;
};

} // namespace SkinUI
