#include "SkinUI/Core/TabSearch.h"
#include "SkinUI/Core/ControlUI.h"

namespace SkinUI {

CTabSearch::CTabSearch(CControlUI* pStart, bool forward)
    : m_pStart(pStart)
    , m_bForward(forward)
{}

CControlUI* CTabSearch::Run(CControlUI* pRoot)
{
    if (pRoot == nullptr) return nullptr;
    return pRoot->FindControl(&CTabSearch::Visit, this, UIFIND_VISIBLE | UIFIND_ENABLED | UIFIND_ME_FIRST);
}

CControlUI* CTabSearch::GetLastTabStop() const
{
    return m_pLast;
}

CControlUI* CALLBACK CTabSearch::Visit(CControlUI* pThis, LPVOID pData)
{
    return static_cast<CTabSearch*>(pData)->Visit(pThis);
}

CControlUI* CTabSearch::Visit(CControlUI* pThis)
{
    if (pThis == m_pStart) {
        if (!m_bForward) return m_pLast;
        m_bNextIsIt = true;
        return nullptr;
    }
    if ((pThis->GetControlFlags() & UIFLAG_TABSTOP) == 0) return nullptr;
    m_pLast = pThis;
    return (m_bNextIsIt || m_pStart == nullptr) ? pThis : nullptr;
}

} // namespace SkinUI
