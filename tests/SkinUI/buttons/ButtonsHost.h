#pragma once
#include <windows.h>
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"
#include "tests/SkinUI/support/NotifyLog.h"
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

    CNotifyLog log;
    SkinUI::CTestWindow window{300, 200};
    SkinUI::CPaintManagerUI& pm = window.GetManager();
    SkinUI::CVerticalLayoutUI* root = new SkinUI::CVerticalLayoutUI;
};
