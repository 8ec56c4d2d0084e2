#pragma once
#include <windows.h>
#include <cstring>

// A 200 x 100 top-down 32-bit memory bitmap to paint controls into and read back.
class CPixelCanvas {
public:
    enum { kWidth = 200, kHeight = 100 };

    CPixelCanvas()
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
        bmi.bmiHeader.biWidth = kWidth;
        bmi.bmiHeader.biHeight = -kHeight;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        dc = ::CreateCompatibleDC(nullptr);
        m_bmp = ::CreateDIBSection(dc, &bmi, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
        m_old = ::SelectObject(dc, m_bmp);
    }
    ~CPixelCanvas()
    {
        ::SelectObject(dc, m_old);
        ::DeleteObject(m_bmp);
        ::DeleteDC(dc);
    }
    CPixelCanvas(const CPixelCanvas&) = delete;
    CPixelCanvas& operator=(const CPixelCanvas&) = delete;

    void Clear() { std::memset(m_bits, 0, kWidth * kHeight * 4); }
    DWORD At(int x, int y) const { return m_bits[y * kWidth + x] & 0x00FFFFFF; }
    bool SameAs(const CPixelCanvas& other) const
    {
        for (int i = 0; i < kWidth * kHeight; ++i) {
            if ((m_bits[i] & 0x00FFFFFF) != (other.m_bits[i] & 0x00FFFFFF)) return false;
        }
        return true;
    }
    int CountNot(DWORD rgb) const
    {
        int n = 0;
        for (int i = 0; i < kWidth * kHeight; ++i) n += (m_bits[i] & 0x00FFFFFF) != rgb ? 1 : 0;
        return n;
    }

    HDC dc = nullptr;

private:
    HBITMAP m_bmp = nullptr;
    HGDIOBJ m_old = nullptr;
    DWORD* m_bits = nullptr;
};
