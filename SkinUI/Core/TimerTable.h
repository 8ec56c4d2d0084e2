#pragma once
#include <windows.h>
#include "SkinUI/Utils/PtrArrayUI.h"

namespace SkinUI {

class CControlUI;

struct TTimerInfo {
    CControlUI* pSender = nullptr;
    UINT nLocalID = 0;
    HWND hWnd = nullptr;
    UINT uWinTimer = 0;
    bool bKilled = false;
};

// The timer records of one paint manager and its window timer id counter.
class CTimerTable {
public:
    CTimerTable() = default;
    CTimerTable(const CTimerTable&) = delete;
    CTimerTable& operator=(const CTimerTable&) = delete;
    ~CTimerTable();

    // Counter := (counter + 1) mod 255, skipping 0 and ids that records of hWnd hold,
    // so a restarted record can never share its window timer with another one. 0 when all are taken.
    UINT NextWinTimerId(HWND hWnd);
    TTimerInfo* Add(CControlUI* pSender, UINT nLocalID, HWND hWnd, UINT uWinTimer);
    TTimerInfo* Find(const CControlUI* pSender, HWND hWnd, UINT nLocalID) const;
    TTimerInfo* FindLive(HWND hWnd, UINT uWinTimer) const;
    int GetSize() const;
    TTimerInfo* GetAt(int index) const;
    void RemoveAt(int index);
    void Clear();

private:
    bool IsUsed(HWND hWnd, UINT uWinTimer) const;

    CPtrArrayUI m_aTimers;
    UINT m_uTimerID = 0x1000;
};

} // namespace SkinUI
