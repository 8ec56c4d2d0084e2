#include "SkinUI/Core/PaintManagerUI.h"
#include <cassert>
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Core/MarkupBounds.h"
#include "SkinUI/Utils/GbkText.h"

// Painting and resources: fonts, images, default attributes, option groups and the paint cycle.
namespace SkinUI {

namespace {

LOGFONTW StockFont()
{
    LOGFONTW lf = {};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(LOGFONTW), &lf);
    return lf;
}

bool SameFont(const TFontInfo& f, const char* name, int size, bool bold, bool underline, bool italic)
{
    return f.sFontName == name && f.iSize == size && f.bBold == bold && f.bUnderline == underline &&
           f.bItalic == italic;
}

CControlUI* CALLBACK FindUpdateNeeded(CControlUI* pThis, LPVOID)
{
    return pThis->IsUpdateNeeded() ? pThis : nullptr;
}

} // namespace

// The stock font at the scale the manager has so far.
void CPaintManagerUI::InitDefaultFont()
{
    const LOGFONTW lf = StockFont();
    m_DefaultFontInfo.hFont = ::CreateFontIndirectW(&lf);
    m_DefaultFontInfo.sFontName = CGbkText::FromWide(lf.lfFaceName).c_str();
    m_DefaultFontInfo.iSize = m_dpiScale.Unscale(lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight);
    m_DefaultFontInfo.bBold = lf.lfWeight >= FW_BOLD;
    m_DefaultFontInfo.bUnderline = lf.lfUnderline != 0;
    m_DefaultFontInfo.bItalic = lf.lfItalic != 0;
}

void CPaintManagerUI::ReleaseResources()
{
    if (m_DefaultFontInfo.hFont != nullptr) ::DeleteObject(m_DefaultFontInfo.hFont);
    m_DefaultFontInfo.hFont = nullptr;
    for (int i = 0; i < m_aCustomFonts.GetSize(); ++i) {
        auto* font = static_cast<TFontInfo*>(m_aCustomFonts[i]);
        ::DeleteObject(font->hFont);
        delete font;
    }
    m_aCustomFonts.Empty();
    for (int i = 0; i < m_mImageHash.GetSize(); ++i) {
        CUIRender::FreeImage(static_cast<TImageRec*>(m_mImageHash.Find(m_mImageHash.GetAt(i), false)));
    }
    for (int i = 0; i < m_DefaultAttrHash.GetSize(); ++i) {
        delete static_cast<CUIString*>(m_DefaultAttrHash.Find(m_DefaultAttrHash.GetAt(i), false));
    }
    for (int i = 0; i < m_mOptionGroup.GetSize(); ++i) {
        delete static_cast<CPtrArrayUI*>(m_mOptionGroup.Find(m_mOptionGroup.GetAt(i), false));
    }
}

void CPaintManagerUI::ReleaseOffscreen()
{
    if (m_hDcOffscreen != nullptr) ::DeleteDC(m_hDcOffscreen);
    if (m_hbmpOffscreen != nullptr) ::DeleteObject(m_hbmpOffscreen);
    m_hDcOffscreen = nullptr;
    m_hbmpOffscreen = nullptr;
}

void CPaintManagerUI::ReleaseBackground()
{
    if (m_hDcBackground != nullptr) ::DeleteDC(m_hDcBackground);
    if (m_hbmpBackground != nullptr) ::DeleteObject(m_hbmpBackground);
    m_hDcBackground = nullptr;
    m_hbmpBackground = nullptr;
}

void CPaintManagerUI::RescaleFonts()
{
    const auto remake = [this](TFontInfo& font) {
        HFONT made =
            CreateSkinFont(font.sFontName, GetDpiScale().Scale(font.iSize), font.bBold, font.bUnderline, font.bItalic);
        if (made == nullptr) return;
        if (font.hFont != nullptr) ::DeleteObject(font.hFont);
        font.hFont = made;
        font.tm = TEXTMETRICA();
    };
    remake(m_DefaultFontInfo);
    for (int i = 0; i < m_aCustomFonts.GetSize(); ++i) remake(*static_cast<TFontInfo*>(m_aCustomFonts[i]));
}

void CPaintManagerUI::SetTransparent(int alpha)
{
    const bool inRange = alpha >= 0 && alpha <= 255;
    m_nOpacity = alpha < 0 ? 0 : (alpha > 255 ? 255 : alpha);
    if (m_hWndPaint == nullptr) return;
    typedef BOOL(WINAPI * PFNSETLAYERED)(HWND, COLORREF, BYTE, DWORD);
    HMODULE user32 = ::GetModuleHandleA("User32.dll");
    if (user32 == nullptr) return;
    auto setLayered = reinterpret_cast<PFNSETLAYERED>(
        reinterpret_cast<void*>(::GetProcAddress(user32, "SetLayeredWindowAttributes")));
    if (setLayered == nullptr) return;
    const LONG style = ::GetWindowLongA(m_hWndPaint, GWL_EXSTYLE);
    const LONG wanted = inRange ? (style | WS_EX_LAYERED) : (style & ~WS_EX_LAYERED);
    if (wanted != style) ::SetWindowLongA(m_hWndPaint, GWL_EXSTYLE, wanted);
    // The clamped value: an out-of-range alpha must not wrap around in the BYTE.
    if (inRange) setLayered(m_hWndPaint, 0, static_cast<BYTE>(m_nOpacity), LWA_ALPHA);
}

HFONT CPaintManagerUI::CreateSkinFont(const char* name, int size, bool bold, bool underline, bool italic)
{
    LOGFONTW lf = StockFont();
    // The face name is GBK ("微软雅黑"); the system looks it up by its UTF-16 name.
    const std::wstring face = CGbkText::ToWide(name);
    lf.lfFaceName[0] = L'\0';
    ::lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = -size;
    if (bold) lf.lfWeight += FW_BOLD;
    if (underline) lf.lfUnderline = TRUE;
    if (italic) lf.lfItalic = TRUE;
    return ::CreateFontIndirectW(&lf);
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
    size = CMarkupBounds::FontSize(size);
    HFONT hFont = CreateSkinFont(name, GetDpiScale().Scale(size), bold, underline, italic);
    if (hFont == nullptr) return nullptr;
    auto* info = new TFontInfo;
    info->hFont = hFont;
    info->sFontName = name != nullptr ? name : "";
    info->iSize = size;
    info->bBold = bold;
    info->bUnderline = underline;
    info->bItalic = italic;
    if (!m_aCustomFonts.Add(info)) {
        ::DeleteObject(hFont);
        delete info;
        return nullptr;
    }
    if (m_hDcPaint != nullptr) Measure(*info);
    return hFont;
}

HFONT CPaintManagerUI::GetFont(int index)
{
    return GetFontInfo(index)->hFont;
}

HFONT CPaintManagerUI::GetFont(const char* name, int size, bool bold, bool underline, bool italic)
{
    // Looked up as it would have been added.
    size = CMarkupBounds::FontSize(size);
    for (int i = 0; i < m_aCustomFonts.GetSize(); ++i) {
        const auto* font = static_cast<TFontInfo*>(m_aCustomFonts[i]);
        if (SameFont(*font, name != nullptr ? name : "", size, bold, underline, italic)) return font->hFont;
    }
    return m_pParentResourcePM != nullptr ? m_pParentResourcePM->GetFont(name, size, bold, underline, italic) : nullptr;
}

TFontInfo* CPaintManagerUI::GetFontInfo(int index)
{
    if (index < 0 || index >= m_aCustomFonts.GetSize()) {
        return m_pParentResourcePM != nullptr ? m_pParentResourcePM->GetFontInfo(index) : GetDefaultFontInfo();
    }
    auto* font = static_cast<TFontInfo*>(m_aCustomFonts[index]);
    Measure(*font);
    return font;
}

TFontInfo* CPaintManagerUI::GetFontInfo(HFONT hFont)
{
    for (int i = 0; i < m_aCustomFonts.GetSize(); ++i) {
        auto* font = static_cast<TFontInfo*>(m_aCustomFonts[i]);
        if (font->hFont == hFont) {
            Measure(*font);
            return font;
        }
    }
    if (m_pParentResourcePM != nullptr && hFont != m_DefaultFontInfo.hFont) {
        return m_pParentResourcePM->GetFontInfo(hFont);
    }
    return GetDefaultFontInfo();
}

TFontInfo* CPaintManagerUI::GetDefaultFontInfo()
{
    if (m_pParentResourcePM != nullptr) return m_pParentResourcePM->GetDefaultFontInfo();
    Measure(m_DefaultFontInfo);
    return &m_DefaultFontInfo;
}

void CPaintManagerUI::SetDefaultFont(const char* name, int size, bool bold, bool underline, bool italic)
{
    size = CMarkupBounds::FontSize(size);
    HFONT hFont = CreateSkinFont(name, GetDpiScale().Scale(size), bold, underline, italic);
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
    const auto* image = static_cast<const TImageRec*>(m_mImageHash.Find(name));
    if (image == nullptr && m_pParentResourcePM != nullptr) image = m_pParentResourcePM->GetImage(name);
    return image;
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
    if (!m_mImageHash.Insert(name, image)) {
        CUIRender::FreeImage(image);
        return nullptr;
    }
    return image;
}

void CPaintManagerUI::AddDefaultAttributeList(const char* className, const char* list)
{
    if (className == nullptr || list == nullptr || m_DefaultAttrHash.Find(className) != nullptr) return;
    auto* copy = new CUIString(list);
    if (!m_DefaultAttrHash.Insert(className, copy)) delete copy;
}

const char* CPaintManagerUI::GetDefaultAttributeList(const char* className) const
{
    if (className == nullptr) return nullptr;
    const auto* list = static_cast<const CUIString*>(m_DefaultAttrHash.Find(className));
    if (list != nullptr) return list->GetData();
    return m_pParentResourcePM != nullptr ? m_pParentResourcePM->GetDefaultAttributeList(className) : nullptr;
}

bool CPaintManagerUI::SetResourceParent(CPaintManagerUI* pParent)
{
    for (CPaintManagerUI* walk = pParent; walk != nullptr; walk = walk->m_pParentResourcePM) {
        if (walk == this) return false;
    }
    m_pParentResourcePM = pParent;
    return true;
}

bool CPaintManagerUI::AddOptionGroup(const char* group, CControlUI* pControl)
{
    if (group == nullptr) return false;
    auto* list = static_cast<CPtrArrayUI*>(m_mOptionGroup.Find(group));
    if (list != nullptr) {
        if (list->Find(pControl) >= 0) return false;
        return list->Add(pControl);
    }
    list = new CPtrArrayUI(6);
    list->Add(pControl);
    if (!m_mOptionGroup.Insert(group, list)) {
        delete list;
        return false;
    }
    return true;
}

CPtrArrayUI* CPaintManagerUI::GetOptionGroup(const char* group) const
{
    if (group == nullptr) return nullptr;
    return static_cast<CPtrArrayUI*>(m_mOptionGroup.Find(group));
}

void CPaintManagerUI::RemoveOptionGroup(const char* group, CControlUI* pControl)
{
    CPtrArrayUI* list = GetOptionGroup(group);
    if (list == nullptr) return;
    RemoveItem(*list, pControl);
    if (list->IsEmpty()) {
        delete list;
        m_mOptionGroup.Remove(group);
    }
}

bool CPaintManagerUI::AddPostPaint(CControlUI* pControl)
{
    assert(m_aPostPaintControls.Find(pControl) < 0);
    return pControl != nullptr && m_aPostPaintControls.Find(pControl) < 0 && m_aPostPaintControls.Add(pControl);
}

bool CPaintManagerUI::RemovePostPaint(CControlUI* pControl)
{
    return RemoveItem(m_aPostPaintControls, pControl);
}

void CPaintManagerUI::OnPrintClient(HDC hDC, LPARAM lParam)
{
    RECT rcClient = {};
    ::GetClientRect(m_hWndPaint, &rcClient);
    const int saved = ::SaveDC(hDC);
    if (m_pRoot != nullptr) m_pRoot->DoPaint(hDC, rcClient);
    if ((lParam & PRF_CHILDREN) != 0) {
        for (HWND child = ::GetWindow(m_hWndPaint, GW_CHILD); child != nullptr;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            RECT rcPos = {};
            ::GetWindowRect(child, &rcPos);
            ::MapWindowPoints(HWND_DESKTOP, m_hWndPaint, reinterpret_cast<POINT*>(&rcPos), 2);
            ::SetWindowOrgEx(hDC, -rcPos.left, -rcPos.top, nullptr);
            ::SendMessageA(child, WM_PRINT, reinterpret_cast<WPARAM>(hDC), lParam | PRF_NONCLIENT);
        }
    }
    ::RestoreDC(hDC, saved);
}

void CPaintManagerUI::LayoutIfNeeded()
{
    if (!m_bUpdateNeeded) return;
    m_bUpdateNeeded = false;
    RECT rcClient = {};
    ::GetClientRect(m_hWndPaint, &rcClient);
    if (::IsRectEmpty(&rcClient)) return;
    if (m_pRoot->IsUpdateNeeded()) {
        m_pRoot->SetPos(rcClient);
        ReleaseOffscreen();
        ReleaseBackground();
    } else {
        // A control whose SetPos leaves its flag set would be found again for ever.
        CPtrArrayUI placed;
        CControlUI* pControl = nullptr;
        while ((pControl = m_pRoot->FindControl(&FindUpdateNeeded, nullptr, UIFIND_VISIBLE | UIFIND_ME_FIRST)) !=
                   nullptr &&
               placed.Find(pControl) < 0) {
            placed.Add(pControl);
            pControl->SetPos(pControl->GetPos());
        }
    }
    if (m_bFirstLayout) {
        m_bFirstLayout = false;
        SendNotify(m_pRoot, "windowinit");
    }
}

void CPaintManagerUI::OnPaint()
{
    if (!::GetUpdateRect(m_hWndPaint, nullptr, FALSE)) return;
    PAINTSTRUCT ps = {};
    if (m_pRoot == nullptr) {
        ::BeginPaint(m_hWndPaint, &ps);
        ::EndPaint(m_hWndPaint, &ps);
        return;
    }
    LayoutIfNeeded();
    if (m_bFocusNeeded) SetNextTabControl();
    if (m_pRoot == nullptr) {
        ::ValidateRect(m_hWndPaint, nullptr);
        return;
    }
    CreateOffscreen();
    ::BeginPaint(m_hWndPaint, &ps);
    // What the layout, "windowinit" and the focus step invalidated is validated here too: paint it.
    const RECT rcPaint = ps.rcPaint;
    if (m_bOffscreenPaint && m_hbmpOffscreen != nullptr) {
        PaintOffscreen(ps.hdc, rcPaint);
    } else {
        PaintDirect(ps.hdc, rcPaint);
    }
    ::EndPaint(m_hWndPaint, &ps);
    if (m_bUpdateNeeded) ::InvalidateRect(m_hWndPaint, nullptr, FALSE);
}

// The context is made once and kept; the bitmap, of the client size, whenever it is missing.
bool CPaintManagerUI::MakeSurface(HDC& hDC, HBITMAP& hBitmap) const
{
    RECT rcClient = {};
    ::GetClientRect(m_hWndPaint, &rcClient);
    if (::IsRectEmpty(&rcClient)) return false;
    if (hDC == nullptr) hDC = ::CreateCompatibleDC(m_hDcPaint);
    if (hBitmap == nullptr) {
        hBitmap = ::CreateCompatibleBitmap(m_hDcPaint, rcClient.right - rcClient.left, rcClient.bottom - rcClient.top);
    }
    return hDC != nullptr && hBitmap != nullptr;
}

void CPaintManagerUI::CreateOffscreen()
{
    if (!m_bOffscreenPaint || m_hbmpOffscreen != nullptr) return;
    if (!MakeSurface(m_hDcOffscreen, m_hbmpOffscreen)) return;
    assert(m_hDcOffscreen);
    assert(m_hbmpOffscreen);
}

void CPaintManagerUI::CopyBackground(HDC hDcPaint, const RECT& rcPaint)
{
    const bool firstUse = m_hbmpBackground == nullptr;
    if (firstUse) {
        const bool made = MakeSurface(m_hDcBackground, m_hbmpBackground);
        assert(m_hDcBackground);
        assert(m_hbmpBackground);
        if (!made) return;
    }
    const int width = rcPaint.right - rcPaint.left;
    const int height = rcPaint.bottom - rcPaint.top;
    HGDIOBJ old = ::SelectObject(m_hDcBackground, m_hbmpBackground);
    // On first use the background is what the window shows.
    if (firstUse) {
        ::BitBlt(m_hDcBackground, rcPaint.left, rcPaint.top, width, height, hDcPaint, rcPaint.left, rcPaint.top,
                 SRCCOPY);
    }
    ::BitBlt(m_hDcOffscreen, rcPaint.left, rcPaint.top, width, height, m_hDcBackground, rcPaint.left, rcPaint.top,
             SRCCOPY);
    ::SelectObject(m_hDcBackground, old);
}

void CPaintManagerUI::PaintOffscreen(HDC hDcPaint, const RECT& rcPaint)
{
    HGDIOBJ oldBitmap = ::SelectObject(m_hDcOffscreen, m_hbmpOffscreen);
    const int saved = ::SaveDC(m_hDcOffscreen);
    if (m_bAlphaBackground) CopyBackground(hDcPaint, rcPaint);
    m_pRoot->DoPaint(m_hDcOffscreen, rcPaint);
    const CPtrArrayUI postPaint(m_aPostPaintControls);
    for (int i = 0; i < postPaint.GetSize(); ++i) {
        if (m_aPostPaintControls.Find(postPaint[i]) < 0) continue;
        static_cast<CControlUI*>(postPaint[i])->DoPostPaint(m_hDcOffscreen, rcPaint);
    }
    ::RestoreDC(m_hDcOffscreen, saved);
    ::BitBlt(hDcPaint, rcPaint.left, rcPaint.top, rcPaint.right - rcPaint.left, rcPaint.bottom - rcPaint.top,
             m_hDcOffscreen, rcPaint.left, rcPaint.top, SRCCOPY);
    ::SelectObject(m_hDcOffscreen, oldBitmap);
    if (!m_bShowUpdateRect) return;
    HGDIOBJ oldPen = ::SelectObject(hDcPaint, m_hUpdateRectPen);
    HGDIOBJ oldBrush = ::SelectObject(hDcPaint, ::GetStockObject(HOLLOW_BRUSH));
    ::Rectangle(hDcPaint, rcPaint.left, rcPaint.top, rcPaint.right, rcPaint.bottom);
    ::SelectObject(hDcPaint, oldBrush);
    ::SelectObject(hDcPaint, oldPen);
}

void CPaintManagerUI::PaintDirect(HDC hDcPaint, const RECT& rcPaint)
{
    const int saved = ::SaveDC(hDcPaint);
    m_pRoot->DoPaint(hDcPaint, rcPaint);
    ::RestoreDC(hDcPaint, saved);
}

} // namespace SkinUI
