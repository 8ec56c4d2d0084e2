#include "SkinUI/Control/LabelEffectPainter.h"
#include "SkinUI/Control/LabelRules.h"
#include "SkinUI/Utils/GbkText.h"
#include <algorithm>
#include <objidl.h>
#include <string>
namespace Gdiplus {
using std::max;
using std::min;
} // namespace Gdiplus
#include <gdiplus.h>

namespace SkinUI {

namespace {

Gdiplus::Color ToColor(DWORD argb, int alpha)
{
    return Gdiplus::Color(CLabelRules::WithAlpha(argb, alpha));
}

Gdiplus::Font* MakeFont(HDC hDC, HFONT font)
{
    LOGFONTW lf = {};
    if (font != nullptr && ::GetObjectW(font, sizeof(lf), &lf) == sizeof(lf)) {
        auto* made = new Gdiplus::Font(hDC, &lf);
        if (made->GetLastStatus() == Gdiplus::Ok) return made;
        delete made;
    }
    return new Gdiplus::Font(hDC);
}

class CEffectDraw {
public:
    CEffectDraw(HDC hDC, HFONT font, const RECT& rcText, const char* text, const TLabelEffectStyle& style)
        : m_graphics(hDC)
        , m_font(MakeFont(hDC, font))
        , m_text(CGbkText::ToWide(text))
        , m_style(style)
        , m_layout(static_cast<Gdiplus::REAL>(rcText.left), static_cast<Gdiplus::REAL>(rcText.top),
                   static_cast<Gdiplus::REAL>(rcText.right - rcText.left),
                   static_cast<Gdiplus::REAL>(rcText.bottom - rcText.top))
    {
        m_graphics.SetTextRenderingHint(static_cast<Gdiplus::TextRenderingHint>(style.renderingHint));
        m_format.SetAlignment(static_cast<Gdiplus::StringAlignment>(style.hAlign));
        m_format.SetLineAlignment(static_cast<Gdiplus::StringAlignment>(style.vAlign));
    }
    ~CEffectDraw() { delete m_font; }
    CEffectDraw(const CEffectDraw&) = delete;
    CEffectDraw& operator=(const CEffectDraw&) = delete;

    // A brush whose end points coincide is invalid; such a drawing is skipped.
    void Draw(Gdiplus::REAL dx, Gdiplus::REAL dy, DWORD from, DWORD to, Gdiplus::REAL length)
    {
        Gdiplus::LinearGradientBrush brush(Gdiplus::PointF(static_cast<Gdiplus::REAL>(m_style.gradientAngle), 0),
                                           Gdiplus::PointF(0, length), Gdiplus::Color(from), Gdiplus::Color(to));
        if (brush.GetLastStatus() != Gdiplus::Ok) return;
        Gdiplus::RectF rc(m_layout.X + dx, m_layout.Y + dy, m_layout.Width, m_layout.Height);
        m_graphics.DrawString(m_text.c_str(), -1, m_font, rc, &m_format, &brush);
    }

    Gdiplus::REAL Height() const { return m_layout.Height; }

private:
    Gdiplus::Graphics m_graphics;
    Gdiplus::Font* m_font;
    std::wstring m_text;
    const TLabelEffectStyle& m_style;
    Gdiplus::RectF m_layout;
    Gdiplus::StringFormat m_format;
};

} // namespace

void CLabelEffectPainter::Paint(HDC hDC, HFONT font, const RECT& rcText, const char* text, DWORD textColor,
                                const TLabelEffectStyle& style)
{
    if (text == nullptr || *text == '\0') return;
    CEffectDraw draw(hDC, font, rcText, text, style);
    const Gdiplus::REAL length =
        static_cast<Gdiplus::REAL>(style.gradientLength != 0 ? style.gradientLength : rcText.bottom - rcText.top);
    if (style.strokeEnabled && style.strokeColor != 0) {
        const DWORD stroke = ToColor(style.strokeColor, style.strokeAlpha).GetValue();
        const Gdiplus::REAL strokeLength = draw.Height() + 2;
        draw.Draw(-1, 0, stroke, stroke, strokeLength);
        draw.Draw(1, 0, stroke, stroke, strokeLength);
        draw.Draw(0, -1, stroke, stroke, strokeLength);
        draw.Draw(0, 1, stroke, stroke, strokeLength);
    }
    if (style.shadowEnabled && (style.shadowColorA != 0 || style.shadowColorB != 0)) {
        const DWORD from = ToColor(style.shadowColorA, style.shadowAlpha).GetValue();
        const DWORD to =
            ToColor(CLabelRules::SecondColor(style.shadowColorB, style.shadowColorA), style.shadowAlpha2).GetValue();
        draw.Draw(static_cast<Gdiplus::REAL>(static_cast<int>(style.shadowX)),
                  static_cast<Gdiplus::REAL>(static_cast<int>(style.shadowY)), from, to, length);
    }
    const DWORD from = ToColor(textColor, style.textAlpha).GetValue();
    const DWORD to = ToColor(CLabelRules::SecondColor(style.textColor2, textColor), style.textAlpha2).GetValue();
    draw.Draw(0, 0, from, to, length);
}

} // namespace SkinUI
