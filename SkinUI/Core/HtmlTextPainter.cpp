#include "SkinUI/Core/HtmlTextPainter.h"
#include <algorithm>
#include "SkinUI/Core/HtmlLineFit.h"
#include "SkinUI/Core/HtmlTagArgs.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Utils/GbkText.h"

namespace SkinUI {

namespace {

COLORREF ToColorRef(DWORD argb)
{
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

std::string Args(const THtmlToken& token)
{
    return token.text != nullptr ? std::string(token.text, token.length) : std::string();
}

void DrawFrame(HDC hDC, const THtmlPiece& piece)
{
    const RECT noCorners = {0, 0, 0, 0};
    CUIRender::DrawImage(hDC, piece.image->hBitmap, piece.rc, piece.rc, piece.source, noCorners,
                         piece.image->alphaChannel);
}

} // namespace

CHtmlTextPainter::CHtmlTextPainter(HDC hDC, CPaintManagerUI* manager, const RECT& rc, DWORD color, UINT style)
    : m_hDC(hDC)
    , m_pManager(manager)
    , m_rc(rc)
    , m_uStyle(style)
{
    m_fonts.push_back(manager->GetDefaultFontInfo()->hFont);
    m_colors.push_back(color);
    m_spacing.push_back(0);
    m_pt = {rc.left, rc.top};
    m_lineHeight = FontHeight();
}

const std::vector<THtmlPiece>& CHtmlTextPainter::Pieces() const
{
    return m_pieces;
}

void CHtmlTextPainter::Layout(const char* text, const char* hoverLink)
{
    m_hover = hoverLink != nullptr ? hoverLink : "";
    HGDIOBJ oldFont = ::SelectObject(m_hDC, m_fonts.back());
    CHtmlTokenizer tokens(text != nullptr ? text : "");
    for (THtmlToken token = tokens.Next(); token.kind != EHtmlToken::End && !m_done; token = tokens.Next()) {
        // An image's own closing tag, right after it, closes nothing else.
        const bool closesImage = m_afterImage && token.kind == EHtmlToken::Close && token.tag == 'i';
        m_afterImage = false;
        switch (token.kind) {
        case EHtmlToken::Text:
            AddText(token.text, token.length);
            break;
        case EHtmlToken::Open:
            Open(token);
            break;
        case EHtmlToken::Close:
            if (!closesImage) Close(token.tag);
            break;
        case EHtmlToken::LineFeed:
            NewLine();
            break;
        default:
            break;
        }
    }
    EndLine();
    ::SelectObject(m_hDC, oldFont);
    m_extent = Measured();
    const RECT& extent = m_extent;
    const int height = m_rc.bottom - m_rc.top;
    int dy = 0;
    if ((m_uStyle & DT_VCENTER) != 0) dy = (height - (extent.bottom - extent.top)) / 2;
    if ((m_uStyle & DT_BOTTOM) != 0) dy = height - (extent.bottom - extent.top);
    int dx = 0;
    if ((m_uStyle & DT_SINGLELINE) != 0) dx = CHtmlLineFit::AlignOffset(m_maxWidth, m_rc.right - m_rc.left, m_uStyle);
    Shift(0, dx, dy);
}

void CHtmlTextPainter::Open(const THtmlToken& token)
{
    const std::string args = Args(token);
    switch (token.tag) {
    case 'a': {
        const bool hover = !m_hover.empty() && m_hover == args;
        m_colors.push_back(hover ? m_pManager->GetDefaultLinkHoverFontColor() : m_pManager->GetDefaultLinkFontColor());
        PushFont(Derived(false, true, false));
        m_linkTexts.push_back(args);
        m_link = static_cast<int>(m_linkTexts.size()) - 1;
        break;
    }
    case 'b':
        PushFont(Derived(true, false, false));
        break;
    case 'u':
        PushFont(Derived(false, true, false));
        break;
    case 'i':
        if (args.empty()) {
            ++m_italics;
            PushFont(Derived(false, false, true));
        } else {
            AddImage(args);
            m_afterImage = true;
        }
        break;
    case 'c':
        m_colors.push_back(CHtmlTagArgs::ParseColor(args));
        break;
    case 'f': {
        const THtmlFontTag tag = CHtmlTagArgs::ParseFont(args);
        HFONT font = tag.index >= 0
                         ? m_pManager->GetFont(tag.index)
                         : m_pManager->GetFont(tag.face.c_str(), tag.size, tag.bold, tag.underline, tag.italic);
        if (font == nullptr)
            font = m_pManager->AddFont(tag.face.c_str(), tag.size, tag.bold, tag.underline, tag.italic);
        PushFont(font != nullptr ? font : m_fonts.back());
        break;
    }
    case 'n':
        NewLine();
        break;
    case 'p':
        if (m_pt.x != m_rc.left) NewLine();
        m_spacing.push_back(Scaled(CHtmlTagArgs::ParseInt(args)));
        m_lineHeight = std::max(m_lineHeight, FontHeight());
        break;
    case 's':
        m_selected = true;
        break;
    case 'x':
        m_pt.x += Scaled(CHtmlTagArgs::ParseInt(args));
        break;
    case 'y':
        m_lineHeight = Scaled(CHtmlTagArgs::ParseInt(args));
        break;
    default:
        break;
    }
}

void CHtmlTextPainter::Close(char tag)
{
    // The bottom entry of each stack is the starting state and is never popped.
    auto popFont = [this] {
        if (m_fonts.size() > 1) m_fonts.pop_back();
        ::SelectObject(m_hDC, m_fonts.back());
    };
    switch (tag) {
    case 'a':
        if (m_colors.size() > 1) m_colors.pop_back();
        popFont();
        m_link = -1;
        break;
    case 'b':
    case 'f':
    case 'u':
        popFont();
        break;
    case 'i':
        // An inline image pushed no font: only an open italic tag has one to give back.
        if (m_italics > 0) {
            --m_italics;
            popFont();
        }
        break;
    case 'c':
        if (m_colors.size() > 1) m_colors.pop_back();
        break;
    case 'p':
        if (m_spacing.size() > 1) m_spacing.pop_back();
        if (m_pt.x != m_rc.left) NewLine();
        break;
    case 's':
        m_selected = false;
        break;
    default:
        break;
    }
}

void CHtmlTextPainter::AddText(const char* text, int length)
{
    const bool singleLine = (m_uStyle & DT_SINGLELINE) != 0;
    const auto measure = [this](const char* t, int n) { return Width(t, n); };
    while (length > 0 && !m_done) {
        m_lineHeight = std::max(m_lineHeight, FontHeight());
        const bool lastLine = singleLine || m_pt.y + 2 * m_lineHeight > m_rc.bottom;
        const bool ellipsis = (m_uStyle & DT_END_ELLIPSIS) != 0 && lastLine;
        const THtmlFit fit = CHtmlLineFit::Fit(text, length, m_rc.right - m_pt.x, m_pt.x == m_rc.left,
                                               (m_uStyle & DT_WORDBREAK) != 0, ellipsis, measure);
        std::string run(text, fit.bytes);
        if (fit.ellipsis) run += "...";
        if (!run.empty()) {
            THtmlPiece piece;
            const int width = Width(run.c_str(), static_cast<int>(run.size()));
            piece.rc = {m_pt.x, m_pt.y, m_pt.x + width, m_pt.y + FontHeight()};
            piece.text = run;
            piece.font = m_fonts.back();
            piece.color = m_colors.back();
            piece.selected = m_selected;
            piece.link = m_link;
            m_pieces.push_back(piece);
            m_pt.x += width;
        }
        text += fit.bytes;
        length -= fit.bytes;
        if (!fit.wrap) break;
        if (fit.ellipsis || singleLine)
            m_done = true;
        else
            NewLine();
    }
}

void CHtmlTextPainter::AddImage(const std::string& args)
{
    const THtmlImageTag tag = CHtmlTagArgs::ParseImage(args);
    const TImageRec* image =
        m_pManager->GetImageEx(tag.name.c_str(), tag.resType.empty() ? nullptr : tag.resType.c_str());
    if (image == nullptr) return;
    const int frames = std::max(1, tag.frames);
    const int frame = tag.frame >= 0 && tag.frame < frames ? tag.frame : 0;
    const int frameWidth = image->nX / frames;
    if (frameWidth <= 0) return;
    // The frame is drawn at the window's scale.
    const int width = Scaled(frameWidth);
    const int height = Scaled(image->nY);
    if (m_pt.x != m_rc.left && m_pt.x + width > m_rc.right && (m_uStyle & DT_SINGLELINE) == 0) NewLine();
    THtmlPiece piece;
    piece.image = image;
    piece.source = {frame * frameWidth, 0, (frame + 1) * frameWidth, image->nY};
    const int top = height < m_lineHeight ? m_pt.y + (m_lineHeight - height) / 2 : m_pt.y;
    piece.rc = {m_pt.x, top, m_pt.x + width, top + height};
    piece.link = m_link;
    m_pieces.push_back(piece);
    m_pt.x += width;
    m_lineHeight = std::max(m_lineHeight, height);
}

void CHtmlTextPainter::PushFont(HFONT font)
{
    m_fonts.push_back(font);
    ::SelectObject(m_hDC, font);
}

HFONT CHtmlTextPainter::Derived(bool bold, bool underline, bool italic)
{
    const TFontInfo* info = m_pManager->GetFontInfo(m_fonts.back());
    bold = bold || info->bBold;
    underline = underline || info->bUnderline;
    italic = italic || info->bItalic;
    const CUIString name = info->sFontName;
    const int size = info->iSize;
    HFONT font = m_pManager->GetFont(name, size, bold, underline, italic);
    if (font == nullptr) font = m_pManager->AddFont(name, size, bold, underline, italic);
    return font != nullptr ? font : m_fonts.back();
}

void CHtmlTextPainter::NewLine()
{
    if ((m_uStyle & DT_SINGLELINE) != 0) return;
    EndLine();
    m_pt.x = m_rc.left;
    m_pt.y += m_lineHeight;
    m_lineHeight = FontHeight();
    m_lineStart = m_pieces.size();
    if (m_pt.y >= m_rc.bottom) m_done = true;
}

void CHtmlTextPainter::EndLine()
{
    const int width = m_pt.x - m_rc.left;
    m_maxWidth = std::max(m_maxWidth, width);
    if ((m_uStyle & DT_SINGLELINE) != 0) return;
    Shift(m_lineStart, CHtmlLineFit::AlignOffset(width, m_rc.right - m_rc.left, m_uStyle), 0);
    m_lineStart = m_pieces.size();
}

void CHtmlTextPainter::Shift(size_t from, int dx, int dy)
{
    for (size_t i = from; i < m_pieces.size(); ++i) ::OffsetRect(&m_pieces[i].rc, dx, dy);
}

int CHtmlTextPainter::Width(const char* text, int length) const
{
    const std::wstring wide = CGbkText::ToWide(text, length);
    SIZE size = {0, 0};
    ::GetTextExtentPoint32W(m_hDC, wide.c_str(), static_cast<int>(wide.size()), &size);
    return size.cx;
}

int CHtmlTextPainter::Scaled(int length) const
{
    return m_pManager->GetDpiScale().Scale(length);
}

int CHtmlTextPainter::FontHeight() const
{
    const TFontInfo* info = m_pManager->GetFontInfo(m_fonts.back());
    return info->tm.tmHeight + info->tm.tmExternalLeading + m_spacing.back();
}

RECT CHtmlTextPainter::Extent() const
{
    return m_extent;
}

RECT CHtmlTextPainter::Measured() const
{
    const int height = m_pt.y + (m_pt.x != m_rc.left || m_pieces.empty() ? m_lineHeight : 0) - m_rc.top;
    RECT rc = {m_rc.left, m_rc.top, m_rc.left + m_maxWidth, m_rc.top + height};
    for (const THtmlPiece& piece : m_pieces) {
        rc.right = std::max(rc.right, piece.rc.right);
        rc.bottom = std::max(rc.bottom, piece.rc.bottom);
    }
    return rc;
}

void CHtmlTextPainter::Draw() const
{
    HGDIOBJ oldFont = ::SelectObject(m_hDC, m_fonts.front());
    for (const THtmlPiece& piece : m_pieces) {
        if (piece.image != nullptr) {
            DrawFrame(m_hDC, piece);
            continue;
        }
        ::SelectObject(m_hDC, piece.font);
        ::SetTextColor(m_hDC, ToColorRef(piece.color));
        ::SetBkMode(m_hDC, piece.selected ? OPAQUE : TRANSPARENT);
        if (piece.selected) ::SetBkColor(m_hDC, ToColorRef(m_pManager->GetDefaultSelectedBkColor()));
        const std::wstring wide = CGbkText::ToWide(piece.text.c_str(), static_cast<int>(piece.text.size()));
        ::TextOutW(m_hDC, piece.rc.left, piece.rc.top, wide.c_str(), static_cast<int>(wide.size()));
    }
    ::SetBkMode(m_hDC, TRANSPARENT);
    ::SelectObject(m_hDC, oldFont);
}

int CHtmlTextPainter::StoreLinks(RECT* links, CUIString* texts, int capacity) const
{
    int count = 0;
    for (const THtmlPiece& piece : m_pieces) {
        if (piece.link < 0 || count >= capacity || links == nullptr) continue;
        links[count] = piece.rc;
        if (texts != nullptr) texts[count] = m_linkTexts[piece.link].c_str();
        ++count;
    }
    return count;
}

} // namespace SkinUI
