#pragma once
#include <gtest/gtest.h>
#include <functional>
#include <vector>
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"
#include "tests/SkinUI/support/NotifyLog.h"
#include "tests/SkinUI/support/TestWindow.h"

namespace SkinUI {

// A control that records the events it receives and can act on them.
class CProbeUI : public CControlUI {
public:
    explicit CProbeUI(const char* className = "ProbeUI", UINT flags = UIFLAG_TABSTOP, bool* pDestroyed = nullptr)
        : m_pClassName(className)
        , m_uFlags(flags)
        , m_pDestroyed(pDestroyed)
    {}
    ~CProbeUI() override
    {
        if (m_pDestroyed != nullptr) *m_pDestroyed = true;
    }

    const char* GetClass() const override { return m_pClassName; }
    UINT GetControlFlags() const override { return m_uFlags; }
    bool Activate() override
    {
        ++m_nActivations;
        return CControlUI::Activate();
    }
    void DoPostPaint(HDC, const RECT&) override { ++m_nPostPaints; }
    void Event(TEventMsg& event) override
    {
        m_events.push_back(event);
        if (m_onEvent) m_onEvent(event);
        CControlUI::Event(event);
    }

    int Count(int type) const
    {
        int count = 0;
        for (const TEventMsg& event : m_events) count += event.Type == type ? 1 : 0;
        return count;
    }

    std::vector<TEventMsg> m_events;
    std::function<void(TEventMsg&)> m_onEvent;
    int m_nActivations = 0;
    int m_nPostPaints = 0;

private:
    const char* m_pClassName = nullptr;
    UINT m_uFlags = 0;
    bool* m_pDestroyed = nullptr;
};

// A 200 x 100 window whose root is a vertical layout of 20-pixel rows.
class ManagerTest : public ::testing::Test {
protected:
    ~ManagerTest() override
    {
        if (!m_bAttached) delete m_pRoot;
    }

    CProbeUI* AddRow(UINT flags = UIFLAG_TABSTOP, const char* className = "ProbeUI", bool* pDestroyed = nullptr)
    {
        auto* probe = new CProbeUI(className, flags, pDestroyed);
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
