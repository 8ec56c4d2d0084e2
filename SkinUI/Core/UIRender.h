#pragma once
#include <windows.h>
#include "SkinUI/Core/DpiScale.h"
#include "SkinUI/Utils/UIString.h"

namespace SkinUI {

class CPaintManagerUI;

// A decoded image: 32-bit top-down premultiplied bitmap.
struct TImageRec {
    HBITMAP hBitmap = nullptr;
    int nX = 0;
    int nY = 0;
    bool alphaChannel = false;
    CUIString sResType;
    DWORD dwMask = 0;
};

struct TClipRec {
    RECT rcItem = {0, 0, 0, 0};
    HDC hDC = nullptr;
    HRGN hRgn = nullptr;
    HRGN hOldRgn = nullptr;
};

// Stateless drawing routines used by the controls' paint steps.
class CUIRender {
public:
    // With a resource type, bitmap may be MAKEINTRESOURCEA(id).
    static TImageRec* LoadImageRec(const char* bitmap, const char* type = nullptr, DWORD mask = 0);
    static void FreeImage(TImageRec* image);

    // Corners and tiles are image pixels, drawn at the given scale.
    static void DrawImage(HDC hDC, HBITMAP hBitmap, const RECT& rc, const RECT& rcPaint, const RECT& rcBmpPart,
                          const RECT& rcCorners, bool alphaChannel, BYTE fade = 255, bool hole = false,
                          bool xtiled = false, bool ytiled = false, const CDpiScale& scale = CDpiScale());
    static bool DrawImage(HDC hDC, CPaintManagerUI* manager, const RECT& rcItem, const RECT& rcPaint, const char* name,
                          const char* resType, RECT rcDest, RECT rcBmpPart, RECT rcCorner, DWORD mask, BYTE fade,
                          bool hole, bool xtiled, bool ytiled);
    static bool DrawImageString(HDC hDC, CPaintManagerUI* manager, const RECT& rcItem, const RECT& rcPaint,
                                const char* image, const char* modify = nullptr);

    static void DrawColor(HDC hDC, const RECT& rc, DWORD color);
    static void DrawGradient(HDC hDC, const RECT& rc, DWORD first, DWORD second, bool vertical, int steps);
    static void DrawLine(HDC hDC, const RECT& rc, int size, DWORD color, int style = PS_SOLID);
    static void DrawRect(HDC hDC, const RECT& rc, int size, DWORD color);
    static void DrawRoundRect(HDC hDC, const RECT& rc, int size, int width, int height, DWORD color);
    static void DrawPlainText(HDC hDC, CPaintManagerUI* manager, RECT& rc, const char* text, DWORD color, int font,
                              UINT style);
    static void DrawHtmlText(HDC hDC, CPaintManagerUI* manager, RECT& rc, const char* text, DWORD color, RECT* links,
                             CUIString* linkTexts, int& linkCount, UINT style);

    static void GenerateClip(HDC hDC, const RECT& rc, TClipRec& clip);
    static void GenerateRoundClip(HDC hDC, const RECT& rc, const RECT& rcItem, int width, int height, TClipRec& clip);
    static void RestoreClip(TClipRec& clip);

    static DWORD AdjustColor(DWORD color, short hue, short saturation, short lightness);
    static void AlphaCopy(HDC target, int x, int y, int w, int h, HDC source, int sx, int sy, int sw, int sh,
                          BLENDFUNCTION blend);
};

} // namespace SkinUI
