#include "SkinUI/Core/PaintManagerUI.h"
#include <cstdlib>
#include <cstring>

namespace SkinUI {

HINSTANCE CPaintManagerUI::m_hInstance = nullptr;
HINSTANCE CPaintManagerUI::m_hResourceInstance = nullptr;
CUIString CPaintManagerUI::m_pStrResourcePath;

namespace {

LOGFONTA StockFont()
{
    LOGFONTA lf = {};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(LOGFONTA), &lf);
    return lf;
}

bool SameFont(const TFontInfo& f, const char* name, int size, bool bold, bool underline, bool italic)
{
    return f.sFontName == name && f.iSize == size && f.bBold == bold && f.bUnderline == underline &&
           f.bItalic == italic;
}

} // namespace

CPaintManagerUI::CPaintManagerUI()
{
    const LOGFONTA lf = StockFont();
    m_DefaultFontInfo.hFont = ::CreateFontIndirectA(&lf);
    m_DefaultFontInfo.sFontName = lf.lfFaceName;
    m_DefaultFontInfo.iSize = lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
    m_DefaultFontInfo.bBold = lf.lfWeight >= FW_BOLD;
    m_DefaultFontInfo.bUnderline = lf.lfUnderline != 0;
    m_DefaultFontInfo.bItalic = lf.lfItalic != 0;
}

CPaintManagerUI::~CPaintManagerUI()
{
    if (m_DefaultFontInfo.hFont != nullptr) ::DeleteObject(m_DefaultFontInfo.hFont);
    for (TFontInfo* font : m_aCustomFonts) {
        ::DeleteObject(font->hFont);
        delete font;
    }
    for (auto& entry : m_mImageHash) CUIRender::FreeImage(entry.second);
    if (m_hDcPaint != nullptr) ::ReleaseDC(m_hWndPaint, m_hDcPaint);
}

void CPaintManagerUI::Init(HWND hWnd)
{
    if (m_hDcPaint != nullptr) ::ReleaseDC(m_hWndPaint, m_hDcPaint);
    m_hWndPaint = hWnd;
    m_hDcPaint = ::GetDC(hWnd);
}

HDC CPaintManagerUI::GetPaintDC() const
{
    return m_hDcPaint;
}

HFONT CPaintManagerUI::CreateSkinFont(const char* name, int size, bool bold, bool underline, bool italic)
{
    LOGFONTA lf = StockFont();
    lf.lfFaceName[0] = '\0';
    if (name != nullptr) ::lstrcpynA(lf.lfFaceName, name, LF_FACESIZE);
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = -size;
    if (bold) lf.lfWeight += FW_BOLD;
    if (underline) lf.lfUnderline = TRUE;
    if (italic) lf.lfItalic = TRUE;
    return ::CreateFontIndirectA(&lf);
}

void CPaintManagerUI::Measure(TFontInfo& info)
{
    if (info.tm.tmHeight != 0) return;
    HDC dc = m_hDcPaint != nullptr ? m_hDcPaint : ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, info.hFont);
    ::GetTextMetricsA(dc, &info.tm);
    ::SelectObject(dc, old);
    if (dc != m_hDcPaint) ::DeleteDC(dc);
}

HFONT CPaintManagerUI::AddFont(const char* name, int size, bool bold, bool underline, bool italic)
{
    HFONT hFont = CreateSkinFont(name, size, bold, underline, italic);
    if (hFont == nullptr) return nullptr;
    auto* info = new TFontInfo;
    info->hFont = hFont;
    info->sFontName = name != nullptr ? name : "";
    info->iSize = size;
    info->bBold = bold;
    info->bUnderline = underline;
    info->bItalic = italic;
    if (m_hDcPaint != nullptr) Measure(*info);
    m_aCustomFonts.push_back(info);
    return hFont;
}

HFONT CPaintManagerUI::GetFont(int index)
{
    if (index < 0 || index >= static_cast<int>(m_aCustomFonts.size())) return m_DefaultFontInfo.hFont;
    return m_aCustomFonts[index]->hFont;
}

HFONT CPaintManagerUI::GetFont(const char* name, int size, bool bold, bool underline, bool italic)
{
    for (TFontInfo* font : m_aCustomFonts) {
        if (SameFont(*font, name != nullptr ? name : "", size, bold, underline, italic)) return font->hFont;
    }
    return nullptr;
}

TFontInfo* CPaintManagerUI::GetFontInfo(int index)
{
    if (index < 0 || index >= static_cast<int>(m_aCustomFonts.size())) return GetDefaultFontInfo();
    Measure(*m_aCustomFonts[index]);
    return m_aCustomFonts[index];
}

TFontInfo* CPaintManagerUI::GetFontInfo(HFONT hFont)
{
    for (TFontInfo* font : m_aCustomFonts) {
        if (font->hFont == hFont) {
            Measure(*font);
            return font;
        }
    }
    return GetDefaultFontInfo();
}

TFontInfo* CPaintManagerUI::GetDefaultFontInfo()
{
    Measure(m_DefaultFontInfo);
    return &m_DefaultFontInfo;
}

void CPaintManagerUI::SetDefaultFont(const char* name, int size, bool bold, bool underline, bool italic)
{
    HFONT hFont = CreateSkinFont(name, size, bold, underline, italic);
    if (hFont == nullptr) return;
    if (m_DefaultFontInfo.hFont != nullptr) ::DeleteObject(m_DefaultFontInfo.hFont);
    m_DefaultFontInfo = TFontInfo();
    m_DefaultFontInfo.hFont = hFont;
    m_DefaultFontInfo.sFontName = name != nullptr ? name : "";
    m_DefaultFontInfo.iSize = size;
    m_DefaultFontInfo.bBold = bold;
    m_DefaultFontInfo.bUnderline = underline;
    m_DefaultFontInfo.bItalic = italic;
}

const TImageRec* CPaintManagerUI::GetImage(const char* name) const
{
    if (name == nullptr) return nullptr;
    const auto found = m_mImageHash.find(name);
    return found != m_mImageHash.end() ? found->second : nullptr;
}

const TImageRec* CPaintManagerUI::GetImageEx(const char* name, const char* type, DWORD mask)
{
    const TImageRec* image = GetImage(name);
    if (image == nullptr && AddImage(name, type, mask) != nullptr) image = GetImage(name);
    return image;
}

const TImageRec* CPaintManagerUI::AddImage(const char* name, const char* type, DWORD mask)
{
    if (name == nullptr || *name == '\0') return nullptr;
    TImageRec* image = nullptr;
    if (type != nullptr && *type != '\0') {
        if (*name < '0' || *name > '9') return nullptr;
        const WORD id = static_cast<WORD>(std::strtoul(name, nullptr, 10) & 0xFFFF);
        image = CUIRender::LoadImageRec(MAKEINTRESOURCEA(id), type, mask);
    } else {
        image = CUIRender::LoadImageRec(name, nullptr, mask);
    }
    if (image == nullptr) return nullptr;
    if (type != nullptr) image->sResType = type;
    image->dwMask = mask;
    if (!m_mImageHash.emplace(name, image).second) {
        CUIRender::FreeImage(image);
        return nullptr;
    }
    return image;
}

DWORD CPaintManagerUI::GetDefaultLinkFontColor() const
{
    return m_dwDefaultLinkFontColor;
}

DWORD CPaintManagerUI::GetDefaultLinkHoverFontColor() const
{
    return m_dwDefaultLinkHoverFontColor;
}

DWORD CPaintManagerUI::GetDefaultSelectedBkColor() const
{
    return m_dwDefaultSelectedBkColor;
}

POINT CPaintManagerUI::GetMousePos() const
{
    return m_ptLastMousePos;
}

void CPaintManagerUI::SetMousePos(POINT pt)
{
    m_ptLastMousePos = pt;
}

HINSTANCE CPaintManagerUI::GetInstance()
{
    return m_hInstance;
}

void CPaintManagerUI::SetInstance(HINSTANCE hInst)
{
    m_hInstance = hInst;
}

HINSTANCE CPaintManagerUI::GetResourceInstance()
{
    return m_hResourceInstance != nullptr ? m_hResourceInstance : m_hInstance;
}

void CPaintManagerUI::SetResourceInstance(HINSTANCE hInst)
{
    m_hResourceInstance = hInst;
}

CUIString CPaintManagerUI::GetInstancePath()
{
    if (m_hInstance == nullptr) return CUIString();
    char path[MAX_PATH + 1] = {};
    const DWORD length = ::GetModuleFileNameA(m_hInstance, path, MAX_PATH);
    int cut = static_cast<int>(length);
    while (cut > 0 && path[cut - 1] != '\\' && path[cut - 1] != '/') --cut;
    return CUIString(path, cut);
}

const CUIString& CPaintManagerUI::GetResourcePath()
{
    return m_pStrResourcePath;
}

void CPaintManagerUI::SetResourcePath(const char* path)
{
    m_pStrResourcePath = path != nullptr ? path : "";
    const int length = m_pStrResourcePath.GetLength();
    if (length == 0) return;
    const char last = m_pStrResourcePath.GetAt(length - 1);
    if (last != '\\' && last != '/') m_pStrResourcePath += "\\";
}

} // namespace SkinUI
