#pragma once
#include <windows.h>
#include <string>
#include <vector>
#include "SkinUI/Core/HtmlTokenizer.h"
#include "SkinUI/Utils/UIString.h"

namespace SkinUI {

class CPaintManagerUI;
struct TImageRec;

// One piece of laid-out html text: a text run or an image frame.
struct THtmlPiece {
    RECT rc = {0, 0, 0, 0};
    std::string text;
    HFONT font = nullptr;
    DWORD color = 0;
    bool selected = false;
    const TImageRec* image = nullptr;
    RECT source = {0, 0, 0, 0};
    int link = -1;
};

// Lays html text out into pieces line by line, then draws them.
class CHtmlTextPainter {
public:
    CHtmlTextPainter(HDC hDC, CPaintManagerUI* manager, const RECT& rc, DWORD color, UINT style);

    void Layout(const char* text, const char* hoverLink);
    void Draw() const;
    RECT Extent() const;
    int StoreLinks(RECT* links, CUIString* texts, int capacity) const;
    const std::vector<THtmlPiece>& Pieces() const;

private:
    void Open(const THtmlToken& token);
    void Close(char tag);
    void AddText(const char* text, int length);
    void AddImage(const std::string& args);
    void PushFont(HFONT font);
    HFONT Derived(bool bold, bool underline, bool italic);
    void NewLine();
    void EndLine();
    void Shift(size_t from, int dx, int dy);
    int Width(const char* text, int length) const;
    int FontHeight() const;
    // Pixel arguments of tags are skin lengths.
    int Scaled(int length) const;
    RECT Measured() const;

    HDC m_hDC = nullptr;
    CPaintManagerUI* m_pManager = nullptr;
    RECT m_rc = {0, 0, 0, 0};
    UINT m_uStyle = 0;
    std::vector<HFONT> m_fonts;
    std::vector<DWORD> m_colors;
    std::vector<int> m_spacing;
    std::vector<std::string> m_linkTexts;
    std::vector<THtmlPiece> m_pieces;
    std::string m_hover;
    int m_link = -1;
    int m_italics = 0;
    bool m_afterImage = false;
    bool m_selected = false;
    bool m_done = false;
    POINT m_pt = {0, 0};
    int m_lineHeight = 0;
    size_t m_lineStart = 0;
    int m_maxWidth = 0;
    RECT m_extent = {0, 0, 0, 0};
};

} // namespace SkinUI
