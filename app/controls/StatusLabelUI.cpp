#include "app/controls/StatusLabelUI.h"

#include "SkinUI/Core/UIRender.h"

void CStatusLabelUI::ShowResult(const char* text, DWORD background)
{
    m_barGap = -1;
    SetText(text);
    SetBkColor(background);
}

void CStatusLabelUI::ShowProgress(const char* text, int gap)
{
    m_barGap = gap < 0 ? 0 : gap;
    SetText(text);
    SetBkColor(0);
}

RECT CStatusLabelUI::BarRect() const
{
    RECT bar = m_rcItem;
    bar.right -= Scaled(m_barGap);
    if (bar.right < bar.left) bar.right = bar.left;
    return bar;
}

void CStatusLabelUI::PaintBkColor(HDC hDC)
{
    if (m_barGap < 0) {
        CLabelUI::PaintBkColor(hDC);
        return;
    }
    const RECT bar = BarRect();
    if (bar.right > bar.left) SkinUI::CUIRender::DrawColor(hDC, bar, kBarColor);
}

void CStatusLabelUI::PaintText(HDC hDC)
{
    if (m_barGap < 0) {
        CLabelUI::PaintText(hDC);
        return;
    }
    ResolveDefaultColors();
    const RECT bar = BarRect();
    RECT beside = m_rcItem;
    beside.left = bar.right;
    PaintTextWithin(hDC, beside, m_dwTextColor);
    PaintTextWithin(hDC, bar, kTextOnBarColor);
}

// The whole text laid out over the label, drawn only inside part.
void CStatusLabelUI::PaintTextWithin(HDC hDC, const RECT& part, DWORD color)
{
    if (m_sText.IsEmpty() || part.right <= part.left) return;
    SkinUI::TClipRec clip;
    SkinUI::CUIRender::GenerateClip(hDC, part, clip);
    DrawLabelText(hDC, TextArea(), color, m_uTextStyle | DT_SINGLELINE);
    SkinUI::CUIRender::RestoreClip(clip);
}
