#include "SkinUI/Core/TimerTable.h"

namespace SkinUI {

namespace {
const UINT kTimerIdModulus = 255;
}

CTimerTable::~CTimerTable()
{
    Clear();
}

UINT CTimerTable::NextWinTimerId(HWND hWnd)
{
    for (UINT tries = 0; tries < kTimerIdModulus; ++tries) {
        m_uTimerID = (m_uTimerID + 1) % kTimerIdModulus;
        if (m_uTimerID != 0 && !IsUsed(hWnd, m_uTimerID)) return m_uTimerID;
    }
    return 0;
}

TTimerInfo* CTimerTable::Add(CControlUI* pSender, UINT nLocalID, HWND hWnd, UINT uWinTimer)
{
    auto* info = new TTimerInfo;
    info->pSender = pSender;
    info->nLocalID = nLocalID;
    info->hWnd = hWnd;
    info->uWinTimer = uWinTimer;
    if (!m_aTimers.Add(info)) {
        delete info;
        return nullptr;
    }
    return info;
}

TTimerInfo* CTimerTable::Find(const CControlUI* pSender, HWND hWnd, UINT nLocalID) const
{
    for (int i = 0; i < m_aTimers.GetSize(); ++i) {
        TTimerInfo* info = GetAt(i);
        if (info->pSender == pSender && info->hWnd == hWnd && info->nLocalID == nLocalID) return info;
    }
    return nullptr;
}

TTimerInfo* CTimerTable::FindLive(HWND hWnd, UINT uWinTimer) const
{
    for (int i = 0; i < m_aTimers.GetSize(); ++i) {
        TTimerInfo* info = GetAt(i);
        if (info->hWnd == hWnd && info->uWinTimer == uWinTimer && !info->bKilled) return info;
    }
    return nullptr;
}

int CTimerTable::GetSize() const
{
    return m_aTimers.GetSize();
}

TTimerInfo* CTimerTable::GetAt(int index) const
{
    return static_cast<TTimerInfo*>(m_aTimers.GetAt(index));
}

void CTimerTable::RemoveAt(int index)
{
    delete GetAt(index);
    m_aTimers.Remove(index);
}

void CTimerTable::Clear()
{
    for (int i = 0; i < m_aTimers.GetSize(); ++i) delete GetAt(i);
    m_aTimers.Empty();
}

bool CTimerTable::IsUsed(HWND hWnd, UINT uWinTimer) const
{
    for (int i = 0; i < m_aTimers.GetSize(); ++i) {
        const TTimerInfo* info = GetAt(i);
        if (info->hWnd == hWnd && info->uWinTimer == uWinTimer) return true;
    }
    return false;
}

} // namespace SkinUI
