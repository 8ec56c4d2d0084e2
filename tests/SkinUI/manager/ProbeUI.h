#pragma once
#include <functional>
#include <vector>
#include "SkinUI/Core/ControlUI.h"

namespace SkinUI {

// A control that records the events it receives and can act on them.
class CProbeUI : public CControlUI {
public:
    explicit CProbeUI(const char* className = "ProbeUI", UINT flags = UIFLAG_TABSTOP, bool* pDestroyed = nullptr);
    ~CProbeUI() override;

    const char* GetClass() const override;
    UINT GetControlFlags() const override;
    bool Activate() override;
    void Event(TEventMsg& event) override;

    int Count(int type) const;
    const TEventMsg* Last(int type) const;

    std::vector<TEventMsg> m_events;
    std::function<void(TEventMsg&)> m_onEvent;
    int m_nActivations = 0;

private:
    const char* m_pClassName = nullptr;
    UINT m_uFlags = 0;
    bool* m_pDestroyed = nullptr;
};

} // namespace SkinUI
