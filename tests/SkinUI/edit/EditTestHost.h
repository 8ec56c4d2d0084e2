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

// Runs the thread's pending messages, including those posted while running them.
void PumpMessages();

// A combo of the items "item0", "item1", ... in the shared window, with a notification log.
class CComboTestBase : public ::testing::Test {
protected:
    explicit CComboTestBase(int count)
        : m_count(count)
    {}
    void SetUp() override;
    void TearDown() override;
    SkinUI::CListLabelElementUI* AddItem(const std::string& text);

    CEditTestHost& host = CEditTestHost::Shared();
    CNotifyLog log;
    SkinUI::CComboUI* combo = new SkinUI::CComboUI;

private:
    int m_count = 0;
};
