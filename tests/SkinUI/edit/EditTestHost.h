#pragma once
#include <windows.h>
#include <string>
#include <vector>
#include "SkinUI/Core/INotifyUI.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"
#include "tests/SkinUI/support/TestWindow.h"

// A test window with a vertical layout as root that does not own the controls the tests add.
class CEditTestHost {
public:
    CEditTestHost();
    CEditTestHost(const CEditTestHost&) = delete;
    CEditTestHost& operator=(const CEditTestHost&) = delete;

    // One window for the whole program.
    static CEditTestHost& Shared();

    // Adds a control of fixed height and lays the root out again.
    void Add(SkinUI::CControlUI* pControl, int cy);
    void Layout();

    SkinUI::CTestWindow window{300, 300};
    SkinUI::CPaintManagerUI& pm;
    HWND hWnd = nullptr;
    SkinUI::CVerticalLayoutUI* root = nullptr;
};

struct TSeenNotify {
    std::string type;
    SkinUI::CControlUI* sender = nullptr;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    std::string senderText;
};

// Records every notification with the sender's text at that moment.
class CNotifyRecorder : public SkinUI::INotifyUI {
public:
    void Notify(SkinUI::TNotifyMsg& msg) override;
    int Count(const char* type) const;
    const TSeenNotify* Last(const char* type) const;

    std::vector<TSeenNotify> seen;
};

// Runs the thread's pending messages, including those posted while running them.
void PumpMessages();
