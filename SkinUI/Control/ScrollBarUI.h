#pragma once
#include "SkinUI/Control/ScrollBarGeometry.h"
#include "SkinUI/Core/ControlUI.h"

namespace SkinUI {

class CContainerUI;

// A skinnable scroll bar: two buttons, a thumb with a grip (rail) and a track.
class CScrollBarUI : public CControlUI {
public:
    enum { kTimerId = 10, kTimerElapse = 50, kRepeatDelayTicks = 6 };

    CScrollBarUI();
    ~CScrollBarUI() override;

    const char* GetClass() const override;
    LPVOID GetInterface(const char* pstrName) override;
    void SetPos(RECT rc) override;
    void SetVisible(bool bVisible = true) override;
    void SetEnabled(bool bEnable = true) override;
    void SetFocus() override;
    void DoEvent(TEventMsg& event) override;
    void SetAttribute(const char* pstrName, const char* pstrValue) override;
    void DoPaint(HDC hDC, const RECT& rcPaint) override;

    CContainerUI* GetOwner() const;
    void SetOwner(CContainerUI* pOwner);
    bool IsHorizontal() const;
    void SetHorizontal(bool bHorizontal = true);
    int GetScrollRange() const;
    void SetScrollRange(int nRange);
    int GetScrollPos() const;
    void SetScrollPos(int nPos);
    int GetLineSize() const;
    void SetLineSize(int nSize);
    bool IsShowButton1() const;
    void SetShowButton1(bool bShow);
    bool IsShowButton2() const;
    void SetShowButton2(bool bShow);

    const RECT& GetButton1Rect() const;
    const RECT& GetButton2Rect() const;
    const RECT& GetThumbRect() const;
    UINT GetButton1State() const;
    UINT GetButton2State() const;
    UINT GetThumbState() const;

protected:
    void PassOn(TEventMsg& event) override;

private:
    // Images of one part for the normal, hot, pushed and disabled states.
    struct TPartImages {
        CUIString normal;
        CUIString hot;
        CUIString pushed;
        CUIString disabled;
    };

    bool SetPartImage(const char* pstrName, const char* pstrValue);
    void OnButtonDown(const TEventMsg& event);
    void OnButtonUp();
    void OnMouseMove(const TEventMsg& event);
    void OnTimer();
    void OnMouseEnter(const TEventMsg& event);
    void OnMouseLeave();
    void LineBack();
    void LineForward();
    void PageBack();
    void PageForward();
    void NotifyScroll();
    int BarLength() const;
    int ButtonSize() const;
    POINT GetCursorInWindow() const;

    bool PaintImages(HDC hDC, TPartImages& images, UINT state, const char* pstrModify);
    bool PaintPart(HDC hDC, TPartImages& images, UINT& state, const RECT& rcPart);
    void PaintBackground(HDC hDC);
    void PaintRail(HDC hDC);
    CUIString DestModifier(const RECT& rcPart) const;

    bool m_bHorizontal = false;
    int m_nRange = 100;
    int m_nScrollPos = 0;
    int m_nLineSize = 8;
    CContainerUI* m_pOwner = nullptr;
    POINT m_ptLastMouse = {0, 0};
    int m_nLastScrollPos = 0;
    int m_nLastScrollOffset = 0;
    int m_nScrollRepeatDelay = 0;
    TPartImages m_bkImages;
    bool m_bShowButton1 = true;
    RECT m_rcButton1 = {0, 0, 0, 0};
    UINT m_uButton1State = 0;
    TPartImages m_button1Images;
    bool m_bShowButton2 = true;
    RECT m_rcButton2 = {0, 0, 0, 0};
    UINT m_uButton2State = 0;
    TPartImages m_button2Images;
    RECT m_rcThumb = {0, 0, 0, 0};
    UINT m_uThumbState = 0;
    TPartImages m_thumbImages;
    TPartImages m_railImages;
    CUIString m_sImageModify;
};

} // namespace SkinUI
