#pragma once

#include "SkinUI/Control/LabelUI.h"

// The status bar's label: an operation's result on a coloured ground, or a
// progress bar growing from the left with the text over it, in the label's
// colour beside the bar and in white on it.
class CStatusLabelUI : public SkinUI::CLabelUI {
public:
    static constexpr DWORD kBarColor = 0xFF3333FF;
    static constexpr DWORD kTextOnBarColor = 0xFFFFFFFF;

    void ShowResult(const char* text, DWORD background);
    // The bar covers the label but for gap pixels on the right.
    void ShowProgress(const char* text, int gap);
    // The pixels right of the bar; -1 when no bar is shown.
    int BarGap() const { return m_barGap; }

    void PaintBkColor(HDC hDC) override;
    void PaintText(HDC hDC) override;

private:
    RECT BarRect() const;
    void PaintTextWithin(HDC hDC, const RECT& part, DWORD color);

    int m_barGap = -1;
};
