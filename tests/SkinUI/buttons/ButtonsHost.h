#pragma once
#include <windows.h>
#include <cstdlib>
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"
#include "tests/SkinUI/support/NotifyLog.h"
#include "tests/SkinUI/support/PixelSurface.h"
#include "tests/SkinUI/support/TestWindow.h"

// A 300 x 200 window whose root is a white vertical layout; the controls added are stacked from the top.
class CButtonsHost {
public:
    CButtonsHost()
    {
        root->SetBkColor(0xFFFFFFFF);
        pm.AttachDialog(root);
        pm.AddNotifier(&log);
        Layout();
    }

    template <typename T> T* Add(T* control, int cy)
    {
        control->SetFixedHeight(cy);
        root->Add(control);
        Layout();
        return control;
    }
    void Layout()
    {
        root->NeedUpdate();
        window.Repaint();
        window.PumpMessages();
    }

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
    // Repaints, then counts the rectangle's pixels whose channel differences sum to at most the tolerance.
    int CountNear(const RECT& rc, uint32_t rgb, int tolerance = 60)
    {
        window.Repaint();
        CPixelSurface surface(300, 200);
        window.Send(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.dc()), PRF_CLIENT);
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y) {
            for (int x = rc.left; x < rc.right; ++x) {
                int d = 0;
                for (int shift = 0; shift < 24; shift += 8)
                    d += std::abs(static_cast<int>(surface.At(x, y) >> shift & 0xFF) -
                                  static_cast<int>(rgb >> shift & 0xFF));
                n += d <= tolerance ? 1 : 0;
            }
        }
        return n;
    }

    CNotifyLog log;
    SkinUI::CTestWindow window{300, 200};
    SkinUI::CPaintManagerUI& pm = window.GetManager();
    SkinUI::CVerticalLayoutUI* root = new SkinUI::CVerticalLayoutUI;
};
