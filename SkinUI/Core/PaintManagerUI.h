#pragma once
#include <windows.h>
#include <commctrl.h>
#include <string>
#include "SkinUI/Core/DpiScale.h"
#include "SkinUI/Core/EventMsg.h"
#include "SkinUI/Core/IMessageFilterUI.h"
#include "SkinUI/Core/INotifyUI.h"
#include "SkinUI/Core/NotifyMsg.h"
#include "SkinUI/Core/TimerTable.h"
#include "SkinUI/Core/UIRender.h"
#include "SkinUI/Utils/PtrArrayUI.h"
#include "SkinUI/Utils/StringMapUI.h"
#include "SkinUI/Utils/UIString.h"

namespace SkinUI {

class CControlUI;

struct TFontInfo {
    HFONT hFont = nullptr;
    CUIString sFontName;
    int iSize = 0; // at 96 DPI
    bool bBold = false;
    bool bUnderline = false;
    bool bItalic = false;
    TEXTMETRICA tm = {};
};

// Binds one native window to one control tree: events, focus, timers, notifications,
// double-buffered painting and the window's resource tables.
class CPaintManagerUI {
public:
    CPaintManagerUI();
    ~CPaintManagerUI();
    CPaintManagerUI(const CPaintManagerUI&) = delete;
    CPaintManagerUI& operator=(const CPaintManagerUI&) = delete;

    void Init(HWND hWnd);
    HWND GetPaintWindow() const { return m_hWndPaint; }
    HDC GetPaintDC() const { return m_hDcPaint; }
    POINT GetMousePos() const { return m_ptLastMousePos; }
    void SetMousePos(POINT pt) { m_ptLastMousePos = pt; }
    void Invalidate(const RECT& rcItem);
    void NeedUpdate() { m_bUpdateNeeded = true; }
    bool IsLayoutUpdateNeeded() const { return m_bUpdateNeeded; }
    void SetUsedVirtualWnd(bool used) { m_bUsedVirtualWnd = used; }
    bool IsUsedVirtualWnd() const { return m_bUsedVirtualWnd; }

    // Skin lengths are given at 96 DPI; the window draws them at its own DPI, and a popup
    // at its owner's.
    const CDpiScale& GetDpiScale() const
    {
        return m_pParentResourcePM != nullptr ? m_pParentResourcePM->GetDpiScale() : m_dpiScale;
    }
    void SetDpi(int dpi);

    // Window settings from the markup, in skin lengths.
    SIZE GetInitSize() const { return m_szInitWindowSize; }
    void SetInitSize(int cx, int cy);
    RECT GetSizeBox() const { return m_rcSizeBox; }
    void SetSizeBox(const RECT& rcSizeBox) { m_rcSizeBox = rcSizeBox; }
    RECT GetCaptionRect() const { return m_rcCaption; }
    void SetCaptionRect(const RECT& rcCaption) { m_rcCaption = rcCaption; }
    SIZE GetRoundCorner() const { return m_szRoundCorner; }
    void SetRoundCorner(int cx, int cy) { m_szRoundCorner = SIZE{cx, cy}; }
    SIZE GetMinInfo() const { return m_szMinWindow; }
    void SetMinInfo(int cx, int cy);
    SIZE GetMaxInfo() const { return m_szMaxWindow; }
    void SetMaxInfo(int cx, int cy);
    bool IsShowUpdateRect() const { return m_bShowUpdateRect; }
    void SetShowUpdateRect(bool show) { m_bShowUpdateRect = show; }
    bool IsBackgroundTransparent() const { return m_bAlphaBackground; }
    void SetBackgroundTransparent(bool transparent) { m_bAlphaBackground = transparent; }
    int GetTransparent() const { return m_nOpacity; }
    void SetTransparent(int alpha);

    DWORD GetDefaultDisabledColor() const { return m_dwDefaultDisabledColor; }
    void SetDefaultDisabledColor(DWORD color) { m_dwDefaultDisabledColor = color; }
    DWORD GetDefaultFontColor() const { return m_dwDefaultFontColor; }
    void SetDefaultFontColor(DWORD color) { m_dwDefaultFontColor = color; }
    DWORD GetDefaultLinkFontColor() const { return m_dwDefaultLinkFontColor; }
    void SetDefaultLinkFontColor(DWORD color) { m_dwDefaultLinkFontColor = color; }
    DWORD GetDefaultLinkHoverFontColor() const { return m_dwDefaultLinkHoverFontColor; }
    void SetDefaultLinkHoverFontColor(DWORD color) { m_dwDefaultLinkHoverFontColor = color; }
    DWORD GetDefaultSelectedBkColor() const { return m_dwDefaultSelectedBkColor; }
    void SetDefaultSelectedBkColor(DWORD color) { m_dwDefaultSelectedBkColor = color; }

    // Fonts, images, default attribute lists, option groups.
    HFONT AddFont(const char* name, int size, bool bold, bool underline, bool italic);
    HFONT GetFont(int index);
    HFONT GetFont(const char* name, int size, bool bold, bool underline, bool italic);
    TFontInfo* GetFontInfo(int index);
    TFontInfo* GetFontInfo(HFONT hFont);
    TFontInfo* GetDefaultFontInfo();
    void SetDefaultFont(const char* name, int size, bool bold, bool underline, bool italic);

    const TImageRec* GetImage(const char* name) const;
    const TImageRec* GetImageEx(const char* name, const char* type = nullptr, DWORD mask = 0);
    const TImageRec* AddImage(const char* name, const char* type = nullptr, DWORD mask = 0);

    void AddDefaultAttributeList(const char* className, const char* list);
    const char* GetDefaultAttributeList(const char* className) const;

    // Fonts, images and default attribute lists missing here are looked up in the parent
    // (a popup uses its owner's resources); false when that would make a cycle.
    bool SetResourceParent(CPaintManagerUI* pParent);
    CPaintManagerUI* GetResourceParent() const { return m_pParentResourcePM; }

    bool AddOptionGroup(const char* group, CControlUI* pControl);
    CPtrArrayUI* GetOptionGroup(const char* group) const;
    void RemoveOptionGroup(const char* group, CControlUI* pControl);

    // The control tree.
    bool AttachDialog(CControlUI* pControl);
    bool InitControls(CControlUI* pControl, CControlUI* pParent = nullptr);
    void ReapObjects(CControlUI* pControl);
    // Finds the control by its name from now on, instead of an earlier one of that name.
    void AddControlName(CControlUI* pControl);
    void AddDelayedCleanup(CControlUI* pControl);
    CControlUI* GetRoot() const { return m_pRoot; }
    CControlUI* FindControl(POINT pt) const;
    CControlUI* FindControl(const char* name) const;

    // Focus, capture, timers.
    CControlUI* GetFocus() const { return m_pFocus; }
    void SetFocus(CControlUI* pControl);
    void SetFocusNeeded(CControlUI* pControl);
    bool SetNextTabControl(bool forward = true);
    void SetCapture();
    void ReleaseCapture();
    bool IsCaptured() const { return m_bMouseCapture; }
    bool SetTimer(CControlUI* pControl, UINT nTimerID, UINT uElapse);
    bool KillTimer(CControlUI* pControl, UINT nTimerID);
    void KillTimer(CControlUI* pControl);

    // Listeners.
    bool AddNotifier(INotifyUI* pNotifier);
    bool RemoveNotifier(INotifyUI* pNotifier);
    bool AddPreMessageFilter(IMessageFilterUI* pFilter);
    bool RemovePreMessageFilter(IMessageFilterUI* pFilter);
    bool AddMessageFilter(IMessageFilterUI* pFilter);
    bool RemoveMessageFilter(IMessageFilterUI* pFilter);
    bool AddPostPaint(CControlUI* pControl);
    bool RemovePostPaint(CControlUI* pControl);
    void SendNotify(CControlUI* pControl, const char* type, WPARAM wParam = 0, LPARAM lParam = 0);
    void SendNotify(TNotifyMsg& msg);

    // Messages: the window procedure calls MessageHandler; the loop calls PreMessageHandler.
    bool MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    bool PreMessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);

    static HINSTANCE GetInstance() { return m_hInstance; }
    static void SetInstance(HINSTANCE hInst) { m_hInstance = hInst; }
    static HINSTANCE GetResourceInstance()
    {
        return m_hResourceInstance != nullptr ? m_hResourceInstance : m_hInstance;
    }
    static void SetResourceInstance(HINSTANCE hInst) { m_hResourceInstance = hInst; }
    static CUIString GetInstancePath();
    static const CUIString& GetResourcePath();
    static void SetResourcePath(const char* path);
    static void MessageLoop();
    static bool TranslateMessage(const MSG* pMsg);

private:
    class CDispatchScope;

    static constexpr UINT kDelayedCleanupMsg = WM_APP + 1;

    static bool RemoveItem(CPtrArrayUI& list, void* item);

    static HFONT CreateSkinFont(const char* name, int size, bool bold, bool underline, bool italic);
    void RescaleFonts();
    static void InitSharedState();
    static CPaintManagerUI* FindManagerOf(HWND hWnd);
    static CControlUI* CALLBACK CollectName(CControlUI* pThis, LPVOID pData);
    void InitDefaultFont();
    void Measure(TFontInfo& info);
    void ReleaseResources();
    void ReleaseTimers();
    void ReleaseOffscreen();
    void ReleaseBackground();

    void DeliverEvent(CControlUI* pControl, int type, POINT pt, WPARAM wParam = 0, LPARAM lParam = 0, WORD keyState = 0,
                      char key = 0);
    bool RunMessageFilters(const CPtrArrayUI& filters, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    void DeleteDelayedControls();
    void DropFocus(CControlUI* pNewFocus);

    void OnClose();
    void OnPaint();
    void OnDpiChanged(int dpi, const RECT* suggested);
    void OnPrintClient(HDC hDC, LPARAM lParam);
    void OnGetMinMaxInfo(MINMAXINFO* pInfo) const;
    void OnSize();
    void OnTimer(WPARAM wParam);
    void OnMouseMove(POINT pt);
    bool OnMouseHover(POINT pt);
    void OnMouseLeave();
    void OnButtonDown(int type, POINT pt, WPARAM wParam, LPARAM lParam);
    void OnButtonUp(POINT pt, WPARAM wParam, LPARAM lParam);
    void OnContextMenu(WPARAM wParam, LPARAM lParam);
    void OnMouseWheel(WPARAM wParam, LPARAM lParam);
    bool OnSetCursor(WPARAM wParam, LPARAM lParam);
    void OnKeyDown(WPARAM wParam);
    void OnKeyUp(WPARAM wParam);
    void OnChar(WPARAM wParam);
    bool OnSysChar(WPARAM wParam);
    bool FocusWantsTab() const;
    void LayoutIfNeeded();
    bool MakeSurface(HDC& hDC, HBITMAP& hBitmap) const;
    void CreateOffscreen();
    void CopyBackground(HDC hDcPaint, const RECT& rcPaint);
    void PaintOffscreen(HDC hDcPaint, const RECT& rcPaint);
    void PaintDirect(HDC hDcPaint, const RECT& rcPaint);
    void ShowToolTip(CControlUI* pControl);
    void HideToolTip();

    HWND m_hWndPaint = nullptr;
    int m_nOpacity = 255;
    HDC m_hDcPaint = nullptr;
    HDC m_hDcOffscreen = nullptr;
    HBITMAP m_hbmpOffscreen = nullptr;
    HDC m_hDcBackground = nullptr;
    HBITMAP m_hbmpBackground = nullptr;
    HWND m_hwndTooltip = nullptr;
    TOOLINFOW m_ToolTip = {};
    std::wstring m_sToolTipText;
    bool m_bShowUpdateRect = false;

    CControlUI* m_pRoot = nullptr;
    CControlUI* m_pFocus = nullptr;
    CControlUI* m_pEventHover = nullptr;
    CControlUI* m_pEventClick = nullptr;
    CControlUI* m_pEventKey = nullptr;
    POINT m_ptLastMousePos = {-1, -1};

    CDpiScale m_dpiScale;
    SIZE m_szMinWindow = {0, 0};
    SIZE m_szMaxWindow = {0, 0};
    SIZE m_szInitWindowSize = {0, 0};
    RECT m_rcSizeBox = {0, 0, 0, 0};
    SIZE m_szRoundCorner = {0, 0};
    RECT m_rcCaption = {0, 0, 0, 0};

    CTimerTable m_Timers;
    bool m_bFirstLayout = true;
    bool m_bUpdateNeeded = false;
    bool m_bFocusNeeded = false;
    bool m_bOffscreenPaint = true;
    bool m_bAlphaBackground = false;
    bool m_bMouseTracking = false;
    bool m_bMouseCapture = false;
    bool m_bUsedVirtualWnd = false;
    bool m_bCleanupPending = false;
    int m_nDispatchDepth = 0;

    CPtrArrayUI m_aNotifiers;
    CPtrArrayUI m_aPreMessageFilters;
    CPtrArrayUI m_aMessageFilters;
    CPtrArrayUI m_aPostPaintControls;
    CPtrArrayUI m_aDelayedCleanup;
    CPtrArrayUI m_aCustomFonts;
    CStringMapUI m_mNameHash;
    CStringMapUI m_mOptionGroup;
    CStringMapUI m_mImageHash;
    CStringMapUI m_DefaultAttrHash;

    DWORD m_dwDefaultDisabledColor = 0xFFA7A6AA;
    DWORD m_dwDefaultFontColor = 0xFF000000;
    DWORD m_dwDefaultLinkFontColor = 0xFF0000FF;
    DWORD m_dwDefaultLinkHoverFontColor = 0xFFD3215F;
    DWORD m_dwDefaultSelectedBkColor = 0xFFBAE4FF;
    TFontInfo m_DefaultFontInfo;
    CPaintManagerUI* m_pParentResourcePM = nullptr;

    static HINSTANCE m_hInstance;
    static HINSTANCE m_hResourceInstance;
    static CPtrArrayUI m_aPreMessages;
    static HPEN m_hUpdateRectPen;
};

} // namespace SkinUI
