#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "SkinUI/Control/ComboUI.h"
#include "SkinUI/Control/ListLabelElementUI.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"
#include "tests/SkinUI/support/NotifyLog.h"
#include "tests/SkinUI/support/TestWindow.h"

// One test window for the whole program, with a vertical layout as root that does not own the controls the tests add.
struct TEditTestHost {
    static TEditTestHost& Shared()
    {
        static TEditTestHost host;
        return host;
    }
    // Adds a control of fixed height and lays the root out again.
    void Add(SkinUI::CControlUI* pControl, int cy)
    {
        pControl->SetFixedHeight(cy);
        root->Add(pControl);
        Layout();
    }
    void Layout()
    {
        RECT rc = {0, 0, 0, 0};
        ::GetClientRect(hWnd, &rc);
        root->SetPos(rc);
    }

    SkinUI::CTestWindow window{300, 300};
    SkinUI::CPaintManagerUI& pm = window.GetManager();
    HWND hWnd = window.GetHWND();
    SkinUI::CVerticalLayoutUI* root = new SkinUI::CVerticalLayoutUI;

private:
    TEditTestHost()
    {
        SkinUI::CPaintManagerUI::SetInstance(::GetModuleHandleA(nullptr));
        root->SetAutoDestroy(false);
        pm.AttachDialog(root);
        ::SetFocus(hWnd);
        window.PumpMessages();
    }
};

// Runs the thread's pending messages, including those posted while running them.
inline void PumpMessages()
{
    for (int round = 0; round < 3; ++round) {
        TEditTestHost::Shared().window.PumpMessages();
        ::Sleep(5);
    }
}

// A combo of the items "item0", "item1", ... in the shared window, with a notification log.
class CComboTestBase : public ::testing::Test {
protected:
    explicit CComboTestBase(int count)
    {
        host.pm.AddNotifier(&log);
        host.Add(combo, 24);
        for (int i = 0; i < count; ++i) AddItem("item" + std::to_string(i));
    }
    ~CComboTestBase() override
    {
        if (combo != nullptr) {
            host.root->Remove(combo);
            delete combo;
        }
        host.pm.RemoveNotifier(&log);
    }
    SkinUI::CListLabelElementUI* AddItem(const std::string& text)
    {
        auto* item = new SkinUI::CListLabelElementUI;
        item->SetText(text.c_str());
        combo->Add(item);
        return item;
    }

    TEditTestHost& host = TEditTestHost::Shared();
    CNotifyLog log;
    SkinUI::CComboUI* combo = new SkinUI::CComboUI;
};
