#pragma once
#include <windows.h>
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"
#include "tests/SkinUI/support/TempBmp.h"
#include "tests/SkinUI/support/NotifyLog.h"
#include "tests/SkinUI/support/TestWindow.h"

// A window whose root is a vertical layout; the controls added are stacked from the top.
class CButtonsHost {
public:
    CButtonsHost();

    template <typename T> T* Add(T* control, int cy)
    {
        control->SetFixedHeight(cy);
        root->Add(control);
        Layout();
        return control;
    }
    void Layout();

    void Down(int x, int y) { window.Send(WM_LBUTTONDOWN, MK_LBUTTON, SkinUI::CTestWindow::Point(x, y)); }
    void Move(int x, int y) { window.Send(WM_MOUSEMOVE, 0, SkinUI::CTestWindow::Point(x, y)); }
    void Up(int x, int y) { window.Send(WM_LBUTTONUP, 0, SkinUI::CTestWindow::Point(x, y)); }
    void Click(int x, int y)
    {
        Down(x, y);
        Up(x, y);
    }
    void Key(WPARAM vk)
    {
        window.Send(WM_KEYDOWN, vk, 1);
        window.Send(WM_KEYUP, vk, 0xC0000001);
    }
    COLORREF Pixel(int x, int y) { return window.PrintPixel(x, y); }
    // Repaints, then counts the rectangle's pixels whose channel differences sum to at most the tolerance.
    int CountNear(const RECT& rc, COLORREF color, int tolerance = 60);

    CNotifyLog log;
    SkinUI::CTestWindow window{300, 200};
    SkinUI::CPaintManagerUI& pm;
    SkinUI::CVerticalLayoutUI* root = new SkinUI::CVerticalLayoutUI;
};
