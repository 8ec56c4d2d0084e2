#pragma once
#include <windows.h>
#include "SkinUI/Control/LabelEffectStyle.h"

namespace SkinUI {

// Draws effect text with the graphics library: stroke, then shadow, then the gradient text.
class CLabelEffectPainter {
public:
    // font may be null: the device context's font is used then.
    static void Paint(HDC hDC, HFONT font, const RECT& rcText, const char* text, DWORD textColor,
                      const TLabelEffectStyle& style);
};

} // namespace SkinUI
