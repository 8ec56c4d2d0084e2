#pragma once

namespace SkinUI {

// Bounds on the numbers of skins that no real skin reaches; a value beyond one is clamped
// to it, so that hostile markup can neither overflow the arithmetic nor ask the platform
// for regions, bitmaps or glyphs it takes minutes to make.
class CMarkupBounds {
public:
    // Window size, minimum and maximum size and round corners, in pixels.
    static constexpr int kMaxWindowExtent = 4096;
    // Sizes, size limits, positions, paddings, insets and borders of controls, in pixels.
    static constexpr int kMaxLength = 32767;
    // Font height in pixels.
    static constexpr int kMaxFontSize = 1000;
    // Included markup built by one build, every repetition counted.
    static constexpr int kMaxIncludes = 1000;

    // 0 to kMaxWindowExtent.
    static int WindowExtent(int value);
    // -kMaxLength to kMaxLength.
    static int Length(int value);
    // Up to kMaxFontSize.
    static int FontSize(int value);
};

} // namespace SkinUI
