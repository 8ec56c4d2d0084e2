#include "tests/SkinUI/manager/ProbeUI.h"

namespace SkinUI {

CProbeUI::CProbeUI(const char* className, UINT flags, bool* pDestroyed)
    : m_pClassName(className), m_uFlags(flags), m_pDestroyed(pDestroyed)
{
}

CProbeUI::~CProbeUI()
{
    if (m_pDestroyed != nullptr) *m_pDestroyed = true;
}

const char* CProbeUI::GetClass() const
{
    return m_pClassName;
}

UINT CProbeUI::GetControlFlags() const
{
    return m_uFlags;
}

bool CProbeUI::Activate()
{
    ++m_nActivations;
    return CControlUI::Activate();
}

void CProbeUI::Event(TEventMsg& event)
{
    m_events.push_back(event);
    if (m_onEvent) m_onEvent(event);
    CControlUI::Event(event);
}

int CProbeUI::Count(int type) const
{
    int count = 0;
    for (const TEventMsg& event : m_events) count += event.Type == type ? 1 : 0;
    return count;
}

const TEventMsg* CProbeUI::Last(int type) const
{
    for (auto it = m_events.rbegin(); it != m_events.rend(); ++it) {
        if (it->Type == type) return &*it;
    }
    return nullptr;
}

} // namespace SkinUI
