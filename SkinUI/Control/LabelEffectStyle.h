#pragma once
#include <windows.h>

namespace SkinUI {

// Settings of the label's effect text: gradient, stroke and shadow.
struct TLabelEffectStyle {
    int hAlign = 0;
    int vAlign = 1;
    int shadowAlpha = 60;
    int shadowAlpha2 = 60;
    int textAlpha = 168;
    int textAlpha2 = 168;
    int strokeAlpha = 255;
    int gradientLength = 0;
    int gradientAngle = 0;
    bool strokeEnabled = false;
    bool shadowEnabled = false;
    DWORD textColor2 = 0xFFFFFFFF;
    DWORD shadowColorA = 0xFF000000;
    DWORD shadowColorB = 0xFFFFFFFF;
    DWORD strokeColor = 0;
    float shadowX = 0.0f;
    float shadowY = 0.0f;
    int renderingHint = 0;
};

} // namespace SkinUI
