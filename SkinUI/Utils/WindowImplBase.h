#pragma once
#include <windows.h>
#include "SkinUI/Core/IDialogBuilderCallback.h"
#include "SkinUI/Core/IMessageFilterUI.h"
#include "SkinUI/Core/INotifyUI.h"
#include "SkinUI/Core/NotifyPump.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/WindowWnd.h"
#include "SkinUI/Utils/UIString.h"

namespace SkinUI {

class CControlUI;

// Where the skin comes from: the built-in markup, or else the skin file.
constexpr int kSkinSourceBuiltIn = 3;

// The base of every application window: a caption-less skinned window whose skin is built
// when the window is created, with caption dragging, round corners and Escape to close.
class WindowImplBase : public CWindowWnd,
                       public CNotifyPump,
                       public INotifyUI,
                       public IMessageFilterUI,
                       public IDialogBuilderCallback {
    SKINUI_DECLARE_NOTIFY_MAP()

public:
    // Reports a skin that did not build, or left out controls, with the reason; the default
    // shows a box and ends the process.
    using SkinFailureHandler = void (*)(const char* reason);

    WindowImplBase(int cxSkin, int cySkin);
    ~WindowImplBase() override;

    void Notify(TNotifyMsg& msg) override;
    LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
    CControlUI* CreateControl(const char* pstrClass) override;
    CPaintManagerUI& GetPaintManager();

    static void SetSkinFailureHandler(SkinFailureHandler handler);

protected:
    const char* GetWindowClassName() const override;
    UINT GetClassStyle() const override;
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND hWnd) override;

    virtual void OnSkinReady();
    virtual void OnClickNotify(TNotifyMsg& msg);
    virtual CUIString GetSkinFolder();
    virtual CUIString GetSkinFile();
    virtual bool OnDefaultKey(WPARAM key);
    virtual int GetSkinSource();
    virtual CUIString GetZIPFileName() const;
    virtual CUIString GetResourceID() const;
    virtual LRESULT OnCloseMsg(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnDestroyMsg(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnNcActivateMsg(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnNcCalcSizeMsg(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnNcPaintMsg(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnNcHitTestMsg(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnGetMinMaxInfoMsg(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnMouseWheelMsg(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnMouseHoverMsg(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnSizeMsg(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnCharMsg(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnSysCommandMsg(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnCreateMsg(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnKeyDownMsg(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnKeyUpMsg(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnFocusLost(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnFocusGained(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnLButtonDownMsg(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnLButtonUpMsg(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnMouseMoved(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LRESULT OnOtherMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    virtual LONG GetStyle();

    int m_cxSkin = 0;
    int m_cySkin = 0;
    CPaintManagerUI m_PaintManager;

private:
    LRESULT DispatchSlot(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    LRESULT CloseByDefault(WPARAM wParam, LPARAM lParam);
    CControlUI* BuildSkin(CUIString& reason);
    RECT MonitorWorkAreaOnMonitor() const;
};

} // namespace SkinUI
