#pragma once
#include <windows.h>
#include "SkinUI/Utils/WindowImplBase.h"

namespace WindowTest {

// A skinned window whose hooks the tests fill in.
class CTestDialog : public SkinUI::WindowImplBase {
public:
    explicit CTestDialog(int cx = 300, int cy = 200);

    HWND CreateTopLevel(HWND owner = nullptr, int x = 40, int y = 40);

    int skinSource = SkinUI::kSkinSourceBuiltIn;
    const char* skinFile = "";
    int skinReadyCount = 0;
    int clickCount = 0;
    SkinUI::CControlUI* lastClickSender = nullptr;

protected:
    void OnSkinReady() override;
    void OnClickNotify(SkinUI::TNotifyMsg& msg) override;
    int GetSkinSource() override;
    SkinUI::CUIString GetSkinFile() override;
};

// A plain owner window for modal tests.
HWND CreateOwner(int x = 100, int y = 100, int cx = 400, int cy = 300);

// Dispatches what is queued, without waiting.
void Pump();
// Removes a queued quit message; true with its exit code when there was one.
bool TakeQuit(int* exitCode = nullptr);

// Posts a thread message after the delay unless cancelled: wakes a loop that should have ended.
class CWatchdog {
public:
    explicit CWatchdog(DWORD delayMs);
    ~CWatchdog();
    CWatchdog(const CWatchdog&) = delete;
    CWatchdog& operator=(const CWatchdog&) = delete;
    bool Fired() const;

private:
    static DWORD WINAPI Run(LPVOID self);

    DWORD m_dwThread = 0;
    DWORD m_dwDelay = 0;
    HANDLE m_hCancel = nullptr;
    HANDLE m_hThread = nullptr;
    volatile LONG m_nFired = 0;
};

} // namespace WindowTest
