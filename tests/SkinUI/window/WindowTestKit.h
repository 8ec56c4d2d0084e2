#pragma once
#include <windows.h>
#include <functional>
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Utils/WindowImplBase.h"

namespace WindowTest {

// A control that answers a chosen class name and control flags.
class CProbeControl : public SkinUI::CControlUI {
public:
    CProbeControl(const char* className, UINT flags, int height);
    const char* GetClass() const override;
    UINT GetControlFlags() const override;

private:
    const char* m_pstrClass = nullptr;
    UINT m_uFlags = 0;
};

// A skinned window whose hooks the tests fill in.
class CTestDialog : public SkinUI::WindowImplBase {
public:
    explicit CTestDialog(int cx = 300, int cy = 200);

    HWND CreateTopLevel(HWND owner = nullptr, int x = 40, int y = 40);

    std::function<void(CTestDialog&)> onSkinReady;
    std::function<LRESULT(UINT, WPARAM, LPARAM, bool&)> onOther;
    std::function<LRESULT(WPARAM, bool&)> onClose;
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
    LRESULT OnOtherMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
    LRESULT OnCloseMsg(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
};

// The "main" layout's container, to add probe controls to.
bool AddToMain(CTestDialog& dialog, SkinUI::CControlUI* pControl);
// Lays the skin out on the client area now, without waiting for a paint.
void LayOut(CTestDialog& dialog);

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

}  // namespace WindowTest
