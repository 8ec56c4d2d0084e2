#include "ClientCapture.h"
#include <cstring>

bool CClientCapture::Capture(HWND hWnd, int& width, int& height, std::vector<uint32_t>& pixels)
{
    RECT rc = {};
    ::GetClientRect(hWnd, &rc);
    width = rc.right - rc.left;
    height = rc.bottom - rc.top;
    if (width <= 0 || height <= 0) return false;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC hScreen = ::GetDC(nullptr);
    HDC hDC = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateDIBSection(hScreen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ::ReleaseDC(nullptr, hScreen);
    if (hDC == nullptr || hBitmap == nullptr || bits == nullptr) {
        if (hBitmap != nullptr) ::DeleteObject(hBitmap);
        if (hDC != nullptr) ::DeleteDC(hDC);
        return false;
    }
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    ::SendMessageA(hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hDC), PRF_CLIENT | PRF_CHILDREN);
    ::GdiFlush();
    pixels.resize(static_cast<size_t>(width) * height);
    std::memcpy(pixels.data(), bits, pixels.size() * sizeof(uint32_t));
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hDC);
    return true;
}
