#pragma once
#include <windows.h>
#include "SkinUI/Core/ControlState.h"
#include "SkinUI/Core/DpiScale.h"
#include "SkinUI/Core/EventMsg.h"
#include "SkinUI/Core/EventSourceUI.h"
#include "SkinUI/Utils/UIString.h"

namespace SkinUI {

class CPaintManagerUI;
class CControlUI;

typedef CControlUI*(CALLBACK* FINDCONTROLPROC)(CControlUI*, LPVOID);

// FindControl flags.
constexpr UINT UIFIND_VISIBLE = 0x00000001;
constexpr UINT UIFIND_ENABLED = 0x00000002;
constexpr UINT UIFIND_HITTEST = 0x00000004;
constexpr UINT UIFIND_TOP_FIRST = 0x00000008;
constexpr UINT UIFIND_ME_FIRST = 0x80000000;

// GetControlFlags bits.
constexpr UINT UIFLAG_TABSTOP = 0x00000001;
constexpr UINT UIFLAG_SETCURSOR = 0x00000002;

// Placement of a floating control relative to its parent's growth, in percent.
struct TRelativePosUI {
    bool bRelative = false;
    SIZE szParent = {0, 0};
    int nMoveXPercent = 0;
    int nMoveYPercent = 0;
    int nZoomXPercent = 0;
    int nZoomYPercent = 0;
};

// The base of every element of a control tree.
class CControlUI {
public:
    CControlUI() = default;
    CControlUI(const CControlUI&) = delete;
    CControlUI& operator=(const CControlUI&) = delete;
    virtual ~CControlUI();

    virtual CUIString GetName() const;
    virtual void SetName(const char* pstrName);
    virtual const char* GetClass() const;
    virtual LPVOID GetInterface(const char* pstrName);
    virtual UINT GetControlFlags() const;
    virtual bool Activate();
    virtual CPaintManagerUI* GetManager() const;
    virtual void SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit = true);
    virtual CControlUI* GetParent() const;
    virtual CUIString GetText() const;
    virtual void SetText(const char* pstrText);

    // Lengths set on a control (sizes, positions, paddings, borders) are at 96 DPI; its
    // rectangle and everything it paints are at its window's DPI, by this scale.
    const CDpiScale& GetDpiScale() const;

    virtual const RECT& GetPos() const;
    virtual void SetPos(RECT rc);
    virtual int GetWidth() const;
    virtual int GetHeight() const;
    virtual int GetX() const;
    virtual int GetY() const;
    virtual RECT GetPadding() const;
    virtual void SetPadding(RECT rcPadding);
    virtual SIZE GetFixedXY() const;
    virtual void SetFixedXY(SIZE szXY);
    virtual int GetFixedWidth() const;
    virtual void SetFixedWidth(int cx);
    virtual int GetFixedHeight() const;
    virtual void SetFixedHeight(int cy);
    virtual int GetMinWidth() const;
    virtual void SetMinWidth(int cx);
    virtual int GetMaxWidth() const;
    virtual void SetMaxWidth(int cx);
    virtual int GetMinHeight() const;
    virtual void SetMinHeight(int cy);
    virtual int GetMaxHeight() const;
    virtual void SetMaxHeight(int cy);
    virtual void SetRelativePos(int nMoveX, int nMoveY, int nZoomX, int nZoomY);
    virtual void SetRelativeParentSize(SIZE sz);
    virtual TRelativePosUI GetRelativePos() const;
    virtual bool IsRelativePos() const;

    virtual CUIString GetToolTip() const;
    virtual void SetToolTip(const char* pstrText);
    virtual void SetToolTipWidth(int nWidth);
    virtual int GetToolTipWidth() const;
    virtual char GetShortcut() const;
    virtual void SetShortcut(char ch);
    virtual bool IsContextMenuUsed() const;
    virtual void SetContextMenuUsed(bool bMenuUsed);
    virtual CUIString GetUserData() const;
    virtual void SetUserData(const char* pstrText);
    virtual UINT_PTR GetTag() const;
    virtual void SetTag(UINT_PTR pTag);

    virtual bool IsVisible() const;
    virtual void SetVisible(bool bVisible = true);
    virtual void SetInternVisible(bool bVisible = true);
    virtual bool IsEnabled() const;
    virtual void SetEnabled(bool bEnable = true);
    virtual bool IsMouseEnabled() const;
    virtual void SetMouseEnabled(bool bEnable = true);
    virtual bool IsKeyboardEnabled() const;
    virtual void SetKeyboardEnabled(bool bEnable = true);
    virtual bool IsFocused() const;
    virtual void SetFocus();
    virtual bool IsFloat() const;
    virtual void SetFloat(bool bFloat = true);

    virtual CControlUI* FindControl(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags);

    virtual void Init();
    virtual void DoInit();
    virtual void Event(TEventMsg& event);
    virtual void DoEvent(TEventMsg& event);
    virtual void SetAttribute(const char* pstrName, const char* pstrValue);
    virtual SIZE EstimateSize(SIZE szAvailable);

    virtual void DoPaint(HDC hDC, const RECT& rcPaint);
    virtual void PaintBkColor(HDC hDC);
    virtual void PaintBkImage(HDC hDC);
    virtual void PaintStatusImage(HDC hDC);
    virtual void PaintText(HDC hDC);
    virtual void PaintBorder(HDC hDC);
    virtual void DoPostPaint(HDC hDC, const RECT& rcPaint);

    void Invalidate();
    bool IsUpdateNeeded() const;
    void NeedUpdate();
    void NeedParentUpdate();
    void ApplyAttributeList(const char* pstrList);
    CUIString GetVirtualWnd() const;
    void SetVirtualWnd(const char* pstrValue);
    bool DrawImage(HDC hDC, const char* pStrImage, const char* pStrModify = nullptr);
    // An image that cannot be drawn is forgotten, so that it is not retried on every paint.
    bool DrawStateImage(HDC hDC, CUIString& sImage);

    DWORD GetBkColor() const;
    void SetBkColor(DWORD dwColor);
    DWORD GetBkColor2() const;
    void SetBkColor2(DWORD dwColor);
    DWORD GetBkColor3() const;
    void SetBkColor3(DWORD dwColor);
    CUIString GetBkImage() const;
    void SetBkImage(const char* pStrImage);
    CUIString GetForeImage() const;
    void SetForeImage(const char* pStrImage);
    DWORD GetBorderColor() const;
    void SetBorderColor(DWORD dwColor);
    DWORD GetFocusBorderColor() const;
    void SetFocusBorderColor(DWORD dwColor);
    bool IsColorHSL() const;
    void SetColorHSL(bool bColorHSL);
    int GetBorderSize() const;
    void SetBorderSize(int nSize);
    RECT GetSideBorderSize() const;
    void SetSideBorderSize(RECT rc);
    void SetLeftBorderSize(int nSize);
    void SetTopBorderSize(int nSize);
    void SetRightBorderSize(int nSize);
    void SetBottomBorderSize(int nSize);
    int GetBorderStyle() const;
    void SetBorderStyle(int nStyle);
    SIZE GetBorderRound() const;
    void SetBorderRound(SIZE cxyRound);
    const RECT& GetPaintRect() const;

    CEventSourceUI OnInit;
    CEventSourceUI OnDestroy;
    CEventSourceUI OnSize;
    CEventSourceUI OnEvent;
    CEventSourceUI OnNotify;

    static bool IsMouseEvent(int type);

protected:
    // Mouse input on a control that takes none goes on past it; true when it went.
    bool PassMouseWhenDisabled(TEventMsg& event);
    // Where input this control does not take goes: the parent, or the base handling without one.
    virtual void PassOn(TEventMsg& event);

    DWORD GetAdjustColor(DWORD dwColor) const;
    int Scaled(int length) const;
    SIZE ScaledFixedSize() const;

    CPaintManagerUI* m_pManager = nullptr;
    CControlUI* m_pParent = nullptr;
    CUIString m_sVirtualWnd;
    CUIString m_sName;
    bool m_bUpdateNeeded = true;
    bool m_bMenuUsed = false;
    RECT m_rcItem = {0, 0, 0, 0};
    RECT m_rcPadding = {0, 0, 0, 0};
    SIZE m_cXY = {0, 0};
    SIZE m_cxyFixed = {0, 0};
    SIZE m_cxyMin = {0, 0};
    SIZE m_cxyMax = {9999, 9999};
    bool m_bVisible = true;
    bool m_bInternVisible = true;
    bool m_bEnabled = true;
    bool m_bMouseEnabled = true;
    bool m_bKeyboardEnabled = true;
    bool m_bFocused = false;
    bool m_bFloat = false;
    bool m_bSetPos = false;
    TRelativePosUI m_tRelativePos;

    CUIString m_sText;
    CUIString m_sToolTip;
    char m_chShortcut = 0;
    CUIString m_sUserData;
    UINT_PTR m_pTag = 0;

    DWORD m_dwBackColor = 0;
    DWORD m_dwBackColor2 = 0;
    DWORD m_dwBackColor3 = 0;
    CUIString m_sBkImage;
    CUIString m_sForeImage;
    DWORD m_dwBorderColor = 0;
    DWORD m_dwFocusBorderColor = 0;
    bool m_bColorHSL = false;
    int m_nBorderSize = 0;
    int m_nBorderStyle = PS_SOLID;
    int m_nTooltipWidth = 300;
    SIZE m_cxyBorderRound = {0, 0};
    RECT m_rcPaint = {0, 0, 0, 0};
    RECT m_rcBorderSize = {0, 0, 0, 0};

private:
    bool SetPlacementAttribute(const char* pstrName, const char* pstrValue);
    bool SetLookAttribute(const char* pstrName, const char* pstrValue);
    void SetBehaviourAttribute(const char* pstrName, const char* pstrValue);
    void ApplyBorderSize(const char* pstrValue);
    void PaintLayers(HDC hDC);
    void SizeChanged();
    // Clips rc by every ancestor's item rectangle; false when nothing is left.
    bool ClipByAncestors(RECT& rc) const;
    void InvalidateInManager(const RECT& rc);
    void DropManagerFocus();
    void PaintSideBorders(HDC hDC);
};

} // namespace SkinUI
