#pragma once
#include <gtest/gtest.h>
#include "SkinUI/Layout/VerticalLayoutUI.h"
#include "tests/SkinUI/manager/ProbeUI.h"
#include "tests/SkinUI/support/NotifyLog.h"
#include "tests/SkinUI/support/TestWindow.h"

namespace SkinUI {

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
