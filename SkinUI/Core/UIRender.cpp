#include "SkinUI/Core/UIRender.h"
#include <cassert>
#include <climits>
#include <string>
#include <vector>
#include <stb_image.h>
#include "SkinUI/Core/ColorMath.h"
#include "SkinUI/Core/HtmlTextPainter.h"
#include "SkinUI/Core/ImageDescInterpreter.h"
#include "SkinUI/Core/MsimgApi.h"
#include "SkinUI/Core/NineGrid.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Utils/FileBytes.h"
#include "SkinUI/Utils/GbkText.h"
#include "SkinUI/Utils/UIRectWin.h"

namespace SkinUI {

namespace {

void CheckDC(HDC hDC)
{
    (void)hDC;
    assert(::GetObjectType(hDC) == 3 || ::GetObjectType(hDC) == 10);
}

COLORREF ToColorRef(DWORD argb)
{
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

bool ReadWholeFile(const std::string& path, std::vector<unsigned char>& data)
{
    return CFileBytes::Read(path.c_str(), INT_MAX, data) == CFileBytes::kRead;
}

bool ReadResource(const char* name, const char* type, std::vector<unsigned char>& data)
{
    HINSTANCE instance = CPaintManagerUI::GetResourceInstance();
    HRSRC resource = ::FindResourceA(instance, name, type);
    if (resource == nullptr) return false;
    HGLOBAL global = ::LoadResource(instance, resource);
    const DWORD size = ::SizeofResource(instance, resource);
    const void* bytes = global != nullptr ? ::LockResource(global) : nullptr;
    const bool ok = bytes != nullptr && size != 0;
    if (ok) data.assign(static_cast<const unsigned char*>(bytes), static_cast<const unsigned char*>(bytes) + size);
    if (global != nullptr) ::FreeResource(global);
    return ok;
}

bool ReadImageBytes(const char* bitmap, const char* type, std::vector<unsigned char>& data)
{
    const bool named = !IS_INTRESOURCE(bitmap);
    if (type == nullptr || *type == '\0') {
        if (!named) return false;
        return ReadWholeFile(std::string(CPaintManagerUI::GetResourcePath()) + bitmap, data) ||
               ReadWholeFile(bitmap, data);
    }
    // An id made with MAKEINTRESOURCE is no file name.
    return ReadResource(bitmap, type, data) || (named && ReadWholeFile(bitmap, data));
}

HBITMAP CreateTopDownDib(HDC hDC, int width, int height, void** bits)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return ::CreateDIBSection(hDC, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

void Blend(HDC hDC, const CUIRect& d, HDC src, const CUIRect& s, BYTE fade, bool sourceAlpha)
{
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, fade, static_cast<BYTE>(sourceAlpha ? AC_SRC_ALPHA : 0)};
    CMsimgApi::AlphaBlendFn alphaBlend = CMsimgApi::AlphaBlend();
    if (alphaBlend != nullptr) {
        alphaBlend(hDC, d.left, d.top, d.GetWidth(), d.GetHeight(), src, s.left, s.top, s.GetWidth(), s.GetHeight(),
                   blend);
    } else {
        CUIRender::AlphaCopy(hDC, d.left, d.top, d.GetWidth(), d.GetHeight(), src, s.left, s.top, s.GetWidth(),
                             s.GetHeight(), blend);
    }
}

void FillBands(HDC hDC, const RECT& rc, DWORD first, DWORD second, int steps)
{
    const int shift = CColorMath::GradientBandShift(steps);
    for (int band = 0; band < (1 << shift); ++band) {
        int top = 0;
        int bottom = 0;
        CColorMath::GradientBandRows(rc.top, rc.bottom, band, shift, top, bottom);
        const RECT rcBand = {rc.left, top, rc.right, bottom};
        HBRUSH brush = ::CreateSolidBrush(ToColorRef(CColorMath::GradientBandColor(first, second, band, shift)));
        ::FillRect(hDC, &rcBand, brush);
        ::DeleteObject(brush);
    }
}

void FillGradient(HDC hDC, const RECT& rc, DWORD first, DWORD second, int steps)
{
    CMsimgApi::GradientFillFn gradientFill = CMsimgApi::GradientFill();
    if (gradientFill == nullptr) {
        FillBands(hDC, rc, first, second, steps);
        return;
    }
    TRIVERTEX vertices[2] = {};
    vertices[0].x = rc.left;
    vertices[0].y = rc.top;
    vertices[0].Red = static_cast<COLOR16>(((first >> 16) & 0xFF) << 8);
    vertices[0].Green = static_cast<COLOR16>(((first >> 8) & 0xFF) << 8);
    vertices[0].Blue = static_cast<COLOR16>((first & 0xFF) << 8);
    vertices[0].Alpha = 0xFF00;
    vertices[1].x = rc.right;
    vertices[1].y = rc.bottom;
    vertices[1].Red = static_cast<COLOR16>(((second >> 16) & 0xFF) << 8);
    vertices[1].Green = static_cast<COLOR16>(((second >> 8) & 0xFF) << 8);
    vertices[1].Blue = static_cast<COLOR16>((second & 0xFF) << 8);
    vertices[1].Alpha = 0xFF00;
    GRADIENT_RECT mesh = {0, 1};
    gradientFill(hDC, vertices, 2, &mesh, 1, GRADIENT_FILL_RECT_V);
}

} // namespace

TImageRec* CUIRender::LoadImageRec(const char* bitmap, const char* type, DWORD mask)
{
    if (bitmap == nullptr) return nullptr;
    std::vector<unsigned char> bytes;
    if (!ReadImageBytes(bitmap, type, bytes)) return nullptr;
    int width = 0;
    int height = 0;
    int channels = 0;
    unsigned char* pixels =
        stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height, &channels, 4);
    bytes.clear();
    if (pixels == nullptr) return nullptr;
    void* bits = nullptr;
    HBITMAP hBitmap = CreateTopDownDib(nullptr, width, height, &bits);
    if (hBitmap == nullptr || bits == nullptr) {
        stbi_image_free(pixels);
        return nullptr;
    }
    auto* image = new TImageRec;
    image->hBitmap = hBitmap;
    image->nX = width;
    image->nY = height;
    image->alphaChannel =
        CColorMath::ToPremultiplied(pixels, static_cast<size_t>(width) * height, mask, static_cast<uint32_t*>(bits));
    stbi_image_free(pixels);
    return image;
}

void CUIRender::FreeImage(TImageRec* image)
{
    if (image == nullptr) return;
    if (image->hBitmap != nullptr) ::DeleteObject(image->hBitmap);
    delete image;
}

void CUIRender::DrawImage(HDC hDC, HBITMAP hBitmap, const RECT& rc, const RECT& rcPaint, const RECT& rcBmpPart,
                          const RECT& rcCorners, bool alphaChannel, BYTE fade, bool hole, bool xtiled, bool ytiled,
                          const CDpiScale& scale)
{
    CheckDC(hDC);
    if (hBitmap == nullptr) return;
    TGridOptions options;
    options.alpha = alphaChannel || fade < 255;
    options.hole = hole;
    options.xtiled = xtiled;
    options.ytiled = ytiled;
    options.scale = scale;
    const auto pieces =
        CNineGrid::Layout(ToUIRect(rc), ToUIRect(rcBmpPart), ToUIRect(rcCorners), ToUIRect(rcPaint), options);
    if (pieces.empty()) return;
    HDC memDC = ::CreateCompatibleDC(hDC);
    HGDIOBJ oldBitmap = ::SelectObject(memDC, hBitmap);
    const int oldMode = ::SetStretchBltMode(hDC, HALFTONE);
    for (const TGridPiece& p : pieces) {
        if (options.alpha) {
            Blend(hDC, p.dest, memDC, p.src, fade, true);
        } else if (p.dest.GetWidth() == p.src.GetWidth() && p.dest.GetHeight() == p.src.GetHeight()) {
            ::BitBlt(hDC, p.dest.left, p.dest.top, p.dest.GetWidth(), p.dest.GetHeight(), memDC, p.src.left, p.src.top,
                     SRCCOPY);
        } else {
            ::StretchBlt(hDC, p.dest.left, p.dest.top, p.dest.GetWidth(), p.dest.GetHeight(), memDC, p.src.left,
                         p.src.top, p.src.GetWidth(), p.src.GetHeight(), SRCCOPY);
        }
    }
    ::SetStretchBltMode(hDC, oldMode);
    ::SelectObject(memDC, oldBitmap);
    ::DeleteDC(memDC);
}

bool CUIRender::DrawImage(HDC hDC, CPaintManagerUI* manager, const RECT& rcItem, const RECT& rcPaint, const char* name,
                          const char* resType, RECT rcDest, RECT rcBmpPart, RECT rcCorner, DWORD mask, BYTE fade,
                          bool hole, bool xtiled, bool ytiled)
{
    if (manager == nullptr || name == nullptr || *name == '\0') return false;
    const TImageRec* image =
        manager->GetImageEx(name, (resType != nullptr && *resType != '\0') ? resType : nullptr, mask);
    if (image == nullptr) return false;
    CUIRect part = ToUIRect(rcBmpPart);
    if (!CNineGrid::ClipSource(part, image->nX, image->nY)) return true;
    const CUIRect dest = ToUIRect(rcDest);
    if (!dest.Meets(ToUIRect(rcItem)) || !dest.Meets(ToUIRect(rcPaint))) return true;
    rcBmpPart = ToRECT(part);
    DrawImage(hDC, image->hBitmap, rcDest, rcPaint, rcBmpPart, rcCorner, image->alphaChannel, fade, hole, xtiled,
              ytiled, manager->GetDpiScale());
    return true;
}

bool CUIRender::DrawImageString(HDC hDC, CPaintManagerUI* manager, const RECT& rcItem, const RECT& rcPaint,
                                const char* image, const char* modify)
{
    if (hDC == nullptr || manager == nullptr) return false;
    CImageDescInterpreter interpreter(ToUIRect(rcItem), manager->GetDpiScale(), [&](const TImageDrawState& s) {
        const RECT dest = ToRECT(s.dest);
        const RECT source = ToRECT(s.source);
        const RECT corner = ToRECT(s.corner);
        DrawImage(hDC, manager, rcItem, rcPaint, s.name.c_str(), s.resType.c_str(), dest, source, corner, s.mask,
                  s.fade, s.hole, s.xtiled, s.ytiled);
    });
    interpreter.Run(image, modify);
    return true;
}

void CUIRender::DrawColor(HDC hDC, const RECT& rc, DWORD color)
{
    CheckDC(hDC);
    const DWORD alpha = color >> 24;
    if (alpha == 0) return;
    if (alpha == 255) {
        ::SetBkColor(hDC, ToColorRef(color));
        ::ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
        return;
    }
    void* bits = nullptr;
    HBITMAP pixel = CreateTopDownDib(hDC, 1, 1, &bits);
    if (pixel == nullptr || bits == nullptr) return;
    // The blend expects premultiplied colour channels.
    *static_cast<uint32_t*>(bits) = CColorMath::Premultiply(color);
    const RECT part = {0, 0, 1, 1};
    const RECT corners = {0, 0, 0, 0};
    DrawImage(hDC, pixel, rc, rc, part, corners, true, 255);
    ::DeleteObject(pixel);
}

void CUIRender::DrawGradient(HDC hDC, const RECT& rc, DWORD first, DWORD second, bool vertical, int steps)
{
    (void)vertical;
    CheckDC(hDC);
    const BYTE alpha = static_cast<BYTE>(((first >> 24) + (second >> 24)) / 2);
    if (alpha == 0 || rc.right <= rc.left || rc.bottom <= rc.top) return;
    if (alpha == 255) {
        FillGradient(hDC, rc, first, second, steps);
        return;
    }
    const int width = rc.right - rc.left;
    const int height = rc.bottom - rc.top;
    HDC hPaintDC = ::CreateCompatibleDC(hDC);
    HBITMAP hPaintBitmap = ::CreateCompatibleBitmap(hDC, width, height);
    assert(hPaintDC);
    assert(hPaintBitmap);
    if (hPaintDC == nullptr || hPaintBitmap == nullptr) {
        if (hPaintDC != nullptr) ::DeleteDC(hPaintDC);
        if (hPaintBitmap != nullptr) ::DeleteObject(hPaintBitmap);
        return;
    }
    HGDIOBJ old = ::SelectObject(hPaintDC, hPaintBitmap);
    const RECT local = {0, 0, width, height};
    FillGradient(hPaintDC, local, first, second, steps);
    Blend(hDC, ToUIRect(rc), hPaintDC, ToUIRect(local), alpha, false);
    ::SelectObject(hPaintDC, old);
    ::DeleteObject(hPaintBitmap);
    ::DeleteDC(hPaintDC);
}

void CUIRender::DrawLine(HDC hDC, const RECT& rc, int size, DWORD color, int style)
{
    CheckDC(hDC);
    HPEN pen = ::CreatePen(style, size, ToColorRef(color));
    HGDIOBJ old = ::SelectObject(hDC, pen);
    ::MoveToEx(hDC, rc.left, rc.top, nullptr);
    ::LineTo(hDC, rc.right, rc.bottom);
    ::SelectObject(hDC, old);
    ::DeleteObject(pen);
}

void CUIRender::DrawRect(HDC hDC, const RECT& rc, int size, DWORD color)
{
    CheckDC(hDC);
    HPEN pen = ::CreatePen(PS_INSIDEFRAME, size, ToColorRef(color));
    HGDIOBJ oldPen = ::SelectObject(hDC, pen);
    HGDIOBJ oldBrush = ::SelectObject(hDC, ::GetStockObject(NULL_BRUSH));
    ::Rectangle(hDC, rc.left, rc.top, rc.right, rc.bottom);
    ::SelectObject(hDC, oldBrush);
    ::SelectObject(hDC, oldPen);
    ::DeleteObject(pen);
}

void CUIRender::DrawRoundRect(HDC hDC, const RECT& rc, int size, int width, int height, DWORD color)
{
    CheckDC(hDC);
    HPEN pen = ::CreatePen(PS_INSIDEFRAME, size, ToColorRef(color));
    HGDIOBJ oldPen = ::SelectObject(hDC, pen);
    HGDIOBJ oldBrush = ::SelectObject(hDC, ::GetStockObject(NULL_BRUSH));
    ::RoundRect(hDC, rc.left, rc.top, rc.right, rc.bottom, width, height);
    ::SelectObject(hDC, oldBrush);
    ::SelectObject(hDC, oldPen);
    ::DeleteObject(pen);
}

void CUIRender::DrawPlainText(HDC hDC, CPaintManagerUI* manager, RECT& rc, const char* text, DWORD color, int font,
                              UINT style)
{
    CheckDC(hDC);
    if (text == nullptr || manager == nullptr) return;
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, ToColorRef(color));
    HGDIOBJ old = ::SelectObject(hDC, manager->GetFont(font));
    const std::wstring wide = CGbkText::ToWide(text);
    ::DrawTextW(hDC, wide.c_str(), static_cast<int>(wide.size()), &rc, style | DT_NOPREFIX);
    ::SelectObject(hDC, old);
}

void CUIRender::DrawHtmlText(HDC hDC, CPaintManagerUI* manager, RECT& rc, const char* text, DWORD color, RECT* links,
                             CUIString* linkTexts, int& linkCount, UINT style)
{
    CheckDC(hDC);
    if (text == nullptr || manager == nullptr) return;
    // The count coming in is the capacity of both arrays.
    const int capacity = (links != nullptr && linkCount > 0) ? linkCount : 0;
    CUIString hover;
    const POINT mouse = manager->GetMousePos();
    for (int i = 0; linkTexts != nullptr && i < capacity && hover.IsEmpty(); ++i) {
        if (::PtInRect(&links[i], mouse)) hover = linkTexts[i];
    }
    CHtmlTextPainter painter(hDC, manager, rc, color, style);
    painter.Layout(text, hover);
    if ((style & DT_CALCRECT) != 0) {
        rc = painter.Extent();
    } else {
        painter.Draw();
    }
    linkCount = painter.StoreLinks(links, linkTexts, capacity);
}

void CUIRender::GenerateClip(HDC hDC, const RECT& rc, TClipRec& clip)
{
    RECT rcClip = {0, 0, 0, 0};
    ::GetClipBox(hDC, &rcClip);
    clip.hOldRgn = ::CreateRectRgnIndirect(&rcClip);
    clip.hRgn = ::CreateRectRgnIndirect(&rc);
    ::CombineRgn(clip.hRgn, clip.hRgn, clip.hOldRgn, RGN_AND);
    ::SelectClipRgn(hDC, clip.hRgn);
    clip.hDC = hDC;
    clip.rcItem = rc;
}

void CUIRender::GenerateRoundClip(HDC hDC, const RECT& rc, const RECT& rcItem, int width, int height, TClipRec& clip)
{
    GenerateClip(hDC, rc, clip);
    HRGN round = ::CreateRoundRectRgn(rcItem.left, rcItem.top, rcItem.right + 1, rcItem.bottom + 1, width, height);
    ::CombineRgn(clip.hRgn, clip.hRgn, round, RGN_AND);
    ::SelectClipRgn(hDC, clip.hRgn);
    ::DeleteObject(round);
}

void CUIRender::RestoreClip(TClipRec& clip)
{
    if (clip.hDC == nullptr) return;
    ::SelectClipRgn(clip.hDC, clip.hOldRgn);
    ::DeleteObject(clip.hOldRgn);
    ::DeleteObject(clip.hRgn);
    clip.hOldRgn = nullptr;
    clip.hRgn = nullptr;
    clip.hDC = nullptr;
}

DWORD CUIRender::AdjustColor(DWORD color, short hue, short saturation, short lightness)
{
    return CColorMath::AdjustColor(color, hue, saturation, lightness);
}

void CUIRender::AlphaCopy(HDC target, int x, int y, int w, int h, HDC source, int sx, int sy, int sw, int sh,
                          BLENDFUNCTION blend)
{
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return;
    void* srcBits = nullptr;
    void* dstBits = nullptr;
    HDC srcDC = ::CreateCompatibleDC(target);
    HDC dstDC = ::CreateCompatibleDC(target);
    HBITMAP srcBmp = CreateTopDownDib(target, w, h, &srcBits);
    HBITMAP dstBmp = CreateTopDownDib(target, w, h, &dstBits);
    if (srcBits != nullptr && dstBits != nullptr) {
        HGDIOBJ oldSrc = ::SelectObject(srcDC, srcBmp);
        HGDIOBJ oldDst = ::SelectObject(dstDC, dstBmp);
        ::SetStretchBltMode(srcDC, COLORONCOLOR);
        ::StretchBlt(srcDC, 0, 0, w, h, source, sx, sy, sw, sh, SRCCOPY);
        ::BitBlt(dstDC, 0, 0, w, h, target, x, y, SRCCOPY);
        auto* s = static_cast<uint32_t*>(srcBits);
        auto* d = static_cast<uint32_t*>(dstBits);
        const bool sourceAlpha = (blend.AlphaFormat & AC_SRC_ALPHA) != 0;
        for (int i = 0; i < w * h; ++i) {
            const uint32_t px = sourceAlpha ? s[i] : (s[i] | 0xFF000000u);
            d[i] = CColorMath::BlendPixel(px, d[i], blend.SourceConstantAlpha);
        }
        ::BitBlt(target, x, y, w, h, dstDC, 0, 0, SRCCOPY);
        ::SelectObject(srcDC, oldSrc);
        ::SelectObject(dstDC, oldDst);
    }
    if (srcBmp != nullptr) ::DeleteObject(srcBmp);
    if (dstBmp != nullptr) ::DeleteObject(dstBmp);
    ::DeleteDC(srcDC);
    ::DeleteDC(dstDC);
}

} // namespace SkinUI
