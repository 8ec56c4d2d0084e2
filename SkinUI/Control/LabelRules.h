#pragma once
#include <cstdint>

namespace SkinUI {

// Pure rules of the label: alignment words, effect colours, shadow offset.
class CLabelRules {
public:
    // The text style bits that alignment changes: the platform's text drawing flags.
    static constexpr unsigned int kCenter = 0x1;
    static constexpr unsigned int kRight = 0x2;
    static constexpr unsigned int kVCenter = 0x4;
    static constexpr unsigned int kBottom = 0x8;
    static constexpr unsigned int kSingleLine = 0x20;

    // Applies the words of an "align" value to a text style; words are found as substrings.
    static unsigned int ApplyAlign(unsigned int style, const char* value);
    // Hints outside 0..5 become 0.
    static int ClampRenderingHint(int hint);
    // The colour with its alpha byte replaced.
    static std::uint32_t WithAlpha(std::uint32_t color, int alpha);
    // 0xFFFFFFFF stands for "the same as the first colour".
    static std::uint32_t SecondColor(std::uint32_t second, std::uint32_t first);
    // Shadow displacement for an offset along an angle in degrees; false for angles outside -180..180.
    static bool ShadowOffset(int offset, int angle, float& x, float& y);
};

} // namespace SkinUI
