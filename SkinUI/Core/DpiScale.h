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
    // The shortest skin length that takes at least these window pixels (for measured text).
    int UnscaleToCover(int pixels) const;

    // Each edge on its own, so that edges that meet at 96 DPI meet at every DPI.
    template <typename TRect>
    TRect ScaleRect(TRect rc) const
    {
        rc.left = Scale(rc.left);
        rc.top = Scale(rc.top);
        rc.right = Scale(rc.right);
        rc.bottom = Scale(rc.bottom);
        return rc;
    }

private:
    int m_dpi = kBaseDpi;
};

} // namespace SkinUI
