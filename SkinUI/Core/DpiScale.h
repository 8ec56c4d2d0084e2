#pragma once

namespace SkinUI {

// Skins give their lengths in pixels at 96 DPI; a window at another DPI draws each
// of them that much larger, rounded to the nearest pixel. At 96 DPI nothing changes.
class CDpiScale {
public:
    static constexpr int kBaseDpi = 96;

    CDpiScale() = default;
    // A DPI below 1 (none known) counts as 96.
    explicit CDpiScale(int dpi);

    int GetDpi() const;
    bool IsBase() const;
    int Scale(int length) const;
    // The skin length a window length stands for; Unscale(Scale(n)) == n from 96 DPI up.
    int Unscale(int pixels) const;
    // The shortest skin length that takes at least these window pixels.
    int UnscaleToCover(int pixels) const;
    // The shortest skin length that spans at least these window pixels wherever it starts:
    // placed edge by edge, a span may come out a pixel shorter than its length scaled.
    int SpanCovering(int pixels) const;

    // Each edge on its own, so that edges that meet at 96 DPI meet at every DPI.
    template <typename TRect> TRect ScaleRect(TRect rc) const
    {
        rc.left = Scale(rc.left);
        rc.top = Scale(rc.top);
        rc.right = Scale(rc.right);
        rc.bottom = Scale(rc.bottom);
        return rc;
    }

    // A window rectangle whose edges were scaled from skin lengths gets them back exactly.
    template <typename TRect> TRect UnscaleRect(TRect rc) const
    {
        rc.left = Unscale(rc.left);
        rc.top = Unscale(rc.top);
        rc.right = Unscale(rc.right);
        rc.bottom = Unscale(rc.bottom);
        return rc;
    }

private:
    int m_dpi = kBaseDpi;
};

} // namespace SkinUI
