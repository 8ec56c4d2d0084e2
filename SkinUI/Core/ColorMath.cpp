#include "SkinUI/Core/ColorMath.h"
#include <algorithm>
#include <cmath>

namespace SkinUI {

namespace {

uint32_t Channel(uint32_t argb, int shift)
{
    return (argb >> shift) & 0xFF;
}

struct THsl {
    float h = 0.0f;
    float s = 0.0f;
    float l = 0.0f;
};

THsl RgbToHsl(float r, float g, float b)
{
    const float maxC = std::max(r, std::max(g, b));
    const float minC = std::min(r, std::min(g, b));
    THsl hsl;
    hsl.l = (maxC + minC) / 2.0f;
    const float delta = maxC - minC;
    if (delta <= 0.0f) return hsl;
    hsl.s = hsl.l < 0.5f ? delta / (maxC + minC) : delta / (2.0f - maxC - minC);
    if (maxC == r) {
        hsl.h = (g - b) / delta;
    } else if (maxC == g) {
        hsl.h = 2.0f + (b - r) / delta;
    } else {
        hsl.h = 4.0f + (r - g) / delta;
    }
    hsl.h *= 60.0f;
    if (hsl.h < 0.0f) hsl.h += 360.0f;
    return hsl;
}

float HueToChannel(float p, float q, float h)
{
    while (h < 0.0f) h += 360.0f;
    while (h >= 360.0f) h -= 360.0f;
    if (h < 60.0f) return p + (q - p) * h / 60.0f;
    if (h < 180.0f) return q;
    if (h < 240.0f) return p + (q - p) * (240.0f - h) / 60.0f;
    return p;
}

uint32_t ToByte(float v)
{
    const long n = std::lround(v * 255.0f);
    return static_cast<uint32_t>(std::max(0L, std::min(255L, n)));
}

} // namespace

uint32_t CColorMath::AdjustColor(uint32_t argb, short hue, short saturation, short lightness)
{
    if (hue == 180 && saturation == 100 && lightness == 100) return argb;
    THsl hsl = RgbToHsl(Channel(argb, 16) / 255.0f, Channel(argb, 8) / 255.0f, Channel(argb, 0) / 255.0f);
    hsl.h += static_cast<float>(hue - 180);
    if (hsl.h <= 0.0f) hsl.h += 360.0f;
    hsl.s = std::min(1.0f, hsl.s * saturation / 100.0f);
    hsl.l = std::min(1.0f, hsl.l * lightness / 100.0f);
    float r = hsl.l;
    float g = hsl.l;
    float b = hsl.l;
    if (hsl.s > 0.0f) {
        const float q = hsl.l < 0.5f ? hsl.l * (1.0f + hsl.s) : hsl.l + hsl.s - hsl.l * hsl.s;
        const float p = 2.0f * hsl.l - q;
        r = HueToChannel(p, q, hsl.h + 120.0f);
        g = HueToChannel(p, q, hsl.h);
        b = HueToChannel(p, q, hsl.h - 120.0f);
    }
    return (argb & 0xFF000000u) | (ToByte(r) << 16) | (ToByte(g) << 8) | ToByte(b);
}

uint32_t CColorMath::Premultiply(uint32_t argb)
{
    const uint32_t a = Channel(argb, 24);
    if (a == 255) return argb;
    return (a << 24) | ((Channel(argb, 16) * a / 255) << 16) | ((Channel(argb, 8) * a / 255) << 8) |
           (Channel(argb, 0) * a / 255);
}

bool CColorMath::ToPremultiplied(const uint8_t* rgba, size_t pixels, uint32_t mask, uint32_t* out)
{
    bool alpha = false;
    for (size_t i = 0; i < pixels; ++i) {
        const uint8_t* px = rgba + i * 4;
        const uint32_t value =
            Premultiply((uint32_t{px[3]} << 24) | (uint32_t{px[0]} << 16) | (uint32_t{px[1]} << 8) | px[2]);
        if (px[3] < 255) alpha = true;
        if (value == mask) {
            out[i] = 0;
            alpha = true;
        } else {
            out[i] = value;
        }
    }
    return alpha;
}

uint32_t CColorMath::BlendPixel(uint32_t src, uint32_t dst, uint8_t constAlpha)
{
    const uint32_t a = Channel(src, 24) * constAlpha / 255;
    uint32_t result = 0;
    for (int shift = 0; shift <= 24; shift += 8) {
        const uint32_t s = Channel(src, shift) * constAlpha / 255;
        const uint32_t v = std::min<uint32_t>(255, s + Channel(dst, shift) * (255 - a) / 255);
        result |= v << shift;
    }
    return result;
}

int CColorMath::GradientBandShift(int steps)
{
    if (steps >= 64) return 6;
    if (steps >= 32) return 5;
    if (steps >= 16) return 4;
    if (steps >= 8) return 3;
    if (steps >= 4) return 2;
    return 1;
}

uint32_t CColorMath::GradientBandColor(uint32_t first, uint32_t second, int band, int shift)
{
    const uint32_t n = 1u << shift;
    const uint32_t i = static_cast<uint32_t>(band);
    uint32_t result = 0;
    for (int bit = 0; bit <= 16; bit += 8) {
        result |= ((Channel(second, bit) * (n - i) + Channel(first, bit) * i) / n) << bit;
    }
    return result;
}

void CColorMath::GradientBandRows(int top, int bottom, int band, int shift, int& rowTop, int& rowBottom)
{
    const int height = bottom - top;
    const int n = 1 << shift;
    rowTop = bottom - height * (band + 1) / n;
    rowBottom = bottom - height * band / n;
}

} // namespace SkinUI
