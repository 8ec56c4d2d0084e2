#pragma once
#include <windows.h>
#include <cstdint>
#include <vector>

// The client area of a window as it paints itself through WM_PRINTCLIENT.
class CClientCapture {
public:
    // Top-down BGRA pixels; false when the window has no client area or no bitmap could be made.
    static bool Capture(HWND hWnd, int& width, int& height, std::vector<uint32_t>& pixels);
};
