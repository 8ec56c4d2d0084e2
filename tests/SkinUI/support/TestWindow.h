#pragma once
#include <windows.h>
#include "SkinUI/Core/PaintManagerUI.h"
#include "tests/support/UIRectPrint.h"

namespace SkinUI {

// A plain native window (client area width x height) driven by its own paint manager.
// Every message goes to the manager's MessageHandler; unhandled ones to DefWindowProcA.
// By default it is a child of one shared visible host window: Wine takes about two seconds
// to take a top-level window off the display, so pass a null parent only when a top-level
// window is needed.
class CTestWindow {
public:
    explicit CTestWindow(int width = 200, int height = 100, HWND parent = Host());
    ~CTestWindow();
    CTestWindow(const CTestWindow&) = delete;
    CTestWindow& operator=(const CTestWindow&) = delete;

    HWND GetHWND() const { return m_hWnd; }
    CPaintManagerUI& GetManager() { return m_manager; }
    LRESULT Send(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return ::SendMessageA(m_hWnd, uMsg, wParam, lParam);
    }
    // Dispatches every message already queued for this thread (through TranslateMessage of the managers).
    void PumpMessages();
    // Invalidates the whole client area and paints it now (WM_PAINT through UpdateWindow).
    void Repaint();
    // Client-area pixel as painted on the window.
    COLORREF GetPixel(int x, int y) const;
    // Client-area pixel as painted by WM_PRINTCLIENT into a memory bitmap.
    COLORREF PrintPixel(int x, int y);

    static LPARAM Point(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }
    static HWND Host();

private:
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;
    CPaintManagerUI m_manager;
};

} // namespace SkinUI
