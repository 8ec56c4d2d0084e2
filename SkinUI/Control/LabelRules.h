#pragma once
#include <windows.h>

namespace SkinUI {

// Pure rules of the label: alignment words, effect colours, shadow offset.
class CLabelRules {
public:
    // Applies the words of an "align" value to a text style; words are found as substrings.
    static UINT ApplyAlign(UINT style, const char* value);
    // Hints outside 0..5 become 0.
    static int ClampRenderingHint(int hint);
    // The colour with its alpha byte replaced.
    static DWORD WithAlpha(DWORD color, int alpha);
    // 0xFFFFFFFF stands for "the same as the first colour".
    static DWORD SecondColor(DWORD second, DWORD first);
    // Shadow displacement for an offset along an angle in degrees; false for angles outside -180..180.
    static bool ShadowOffset(int offset, int angle, float& x, float& y);
};

} // namespace SkinUI
