#pragma once
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>
#include "SkinUI/Core/INotifyUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"
#include "tests/SkinUI/manager/ProbeUI.h"
#include "tests/SkinUI/support/TestWindow.h"

namespace SkinUI {

class CNotifyRecorder : public INotifyUI {
public:
    void Notify(TNotifyMsg& msg) override
    {
        m_types.push_back(msg.sType.GetData());
        m_senders.push_back(msg.pSender);
        if (m_hook) m_hook(msg);
    }

    int Count(const char* type) const
    {
        int count = 0;
        for (const std::string& t : m_types) count += t == type ? 1 : 0;
        return count;
    }

    std::vector<std::string> m_types;
    std::vector<CControlUI*> m_senders;
    std::function<void(TNotifyMsg&)> m_hook;
};

// A 200 x 100 window whose root is a vertical layout of 20-pixel rows.
class ManagerTest : public ::testing::Test {
protected:
    ~ManagerTest() override
    {
        if (!m_bAttached) delete m_pRoot;
    }

    CProbeUI* AddRow(UINT flags = UIFLAG_TABSTOP, const char* className = "ProbeUI")
    {
        auto* probe = new CProbeUI(className, flags);
        probe->SetFixedHeight(20);
        m_pRoot->Add(probe);
        return probe;
    }

    void Attach()
    {
        m_bAttached = m_manager.AttachDialog(m_pRoot);
        m_window.Repaint();
    }

    CTestWindow m_window{200, 100};
    CPaintManagerUI& m_manager = m_window.GetManager();
    CVerticalLayoutUI* m_pRoot = new CVerticalLayoutUI;
    bool m_bAttached = false;
};

} // namespace SkinUI
