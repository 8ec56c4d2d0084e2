#pragma once
#include <windows.h>
#include <cstdint>

// A top-down 32-bit memory bitmap to paint into and read back as 0xRRGGBB.
class CPixelSurface {
public:
    explicit CPixelSurface(int width, int height, uint32_t fill = 0xFFFFFF)
        : m_width(width)
        , m_height(height)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        m_bmp = ::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
        m_old = ::SelectObject(m_dc, m_bmp);
        Fill(fill);
    }
    ~CPixelSurface()
    {
        ::SelectObject(m_dc, m_old);
        ::DeleteObject(m_bmp);
        ::DeleteDC(m_dc);
    }
    CPixelSurface(const CPixelSurface&) = delete;
    CPixelSurface& operator=(const CPixelSurface&) = delete;

    HDC dc() const { return m_dc; }
    void Fill(uint32_t rgb)
    {
        ::GdiFlush();
        for (int i = 0; i < m_width * m_height; ++i) m_bits[i] = rgb;
    }
    uint32_t At(int x, int y) const { return Pixel(y * m_width + x); }
    int Count(uint32_t rgb) const
    {
        int n = 0;
        for (int i = 0; i < m_width * m_height; ++i) n += Pixel(i) == rgb ? 1 : 0;
        return n;
    }

private:
    uint32_t Pixel(int i) const
    {
        ::GdiFlush();
        return m_bits[i] & 0xFFFFFF;
    }

    int m_width = 0;
    int m_height = 0;
    HDC m_dc = ::CreateCompatibleDC(nullptr);
    HBITMAP m_bmp = nullptr;
    HGDIOBJ m_old = nullptr;
    uint32_t* m_bits = nullptr;
};
