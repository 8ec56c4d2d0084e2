#pragma once
#include <functional>
#include <vector>
#include "SkinUI/Core/ControlUI.h"

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
    const TEventMsg* Last(int type) const
    {
        for (auto it = m_events.rbegin(); it != m_events.rend(); ++it) {
            if (it->Type == type) return &*it;
        }
        return nullptr;
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

} // namespace SkinUI
