#pragma once
#include <cstddef>
#include <cstdint>

namespace SkinUI {

// Colour arithmetic: HSL adjustment, premultiplied pixels, blending, gradient bands.
class CColorMath {
public:
    static uint32_t AdjustColor(uint32_t argb, short hue, short saturation, short lightness);

    static uint32_t Premultiply(uint32_t argb);
    // Converts RGBA bytes to premultiplied 0xAARRGGBB; pixels equal to the mask
    // become 0. Returns true when any pixel is not opaque.
    static bool ToPremultiplied(const uint8_t* rgba, size_t pixels, uint32_t mask, uint32_t* out);
    // Premultiplied source over target with a constant alpha.
    static uint32_t BlendPixel(uint32_t src, uint32_t dst, uint8_t constAlpha);

    // Gradient bands: 2^shift bands, band 0 at the bottom.
    static int GradientBandShift(int steps);
    static uint32_t GradientBandColor(uint32_t first, uint32_t second, int band, int shift);
    static void GradientBandRows(int top, int bottom, int band, int shift, int& rowTop, int& rowBottom);
};

} // namespace SkinUI
