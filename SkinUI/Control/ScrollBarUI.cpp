#include "SkinUI/Control/ScrollBarUI.h"
#include <algorithm>
#include <cstring>
#include "SkinUI/Core/AttributeValue.h"
#include "SkinUI/Core/ContainerUI.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/UIRender.h"
#include "SkinUI/Utils/UIName.h"
#include "SkinUI/Utils/UIRectWin.h"

namespace SkinUI {

namespace {

constexpr DWORD kOutlineColor = 0xFF85E4FF;
constexpr int kOutlineSize = 2;

} // namespace

CScrollBarUI::CScrollBarUI()
{
    m_cxyFixed.cx = 16;
}

CScrollBarUI::~CScrollBarUI() = default;

const char* CScrollBarUI::GetClass() const
{
    return "ScrollBarUI";
}

LPVOID CScrollBarUI::GetInterface(const char* pstrName)
{
    if (CUIName::Equals(pstrName, "ScrollBar")) return this;
    return CControlUI::GetInterface(pstrName);
}

CContainerUI* CScrollBarUI::GetOwner() const
{
    return m_pOwner;
}

void CScrollBarUI::SetOwner(CContainerUI* pOwner)
{
    m_pOwner = pOwner;
}

bool CScrollBarUI::IsHorizontal() const
{
    return m_bHorizontal;
}

void CScrollBarUI::SetHorizontal(bool bHorizontal)
{
    if (m_bHorizontal == bHorizontal) return;
    m_bHorizontal = bHorizontal;
    if (m_bHorizontal) {
        if (m_cxyFixed.cy == 0) {
            m_cxyFixed.cx = 0;
            m_cxyFixed.cy = 16;
        }
    } else if (m_cxyFixed.cx == 0) {
        m_cxyFixed.cx = 16;
        m_cxyFixed.cy = 0;
    }
    if (m_pOwner != nullptr)
        m_pOwner->NeedUpdate();
    else
        NeedParentUpdate();
}

int CScrollBarUI::GetScrollRange() const
{
    return m_nRange;
}

void CScrollBarUI::SetScrollRange(int nRange)
{
    if (m_nRange == nRange) return;
    m_nRange = std::max(nRange, 0);
    if (m_nScrollPos > m_nRange) m_nScrollPos = m_nRange;
    SetPos(m_rcItem);
}

int CScrollBarUI::GetScrollPos() const
{
    return m_nScrollPos;
}

void CScrollBarUI::SetScrollPos(int nPos)
{
    if (m_nScrollPos == nPos) return;
    m_nScrollPos = std::clamp(nPos, 0, m_nRange);
    SetPos(m_rcItem);
}

int CScrollBarUI::GetLineSize() const
{
    return m_nLineSize;
}

void CScrollBarUI::SetLineSize(int nSize)
{
    m_nLineSize = nSize;
}

bool CScrollBarUI::IsShowButton1() const
{
    return m_bShowButton1;
}

void CScrollBarUI::SetShowButton1(bool bShow)
{
    m_bShowButton1 = bShow;
    SetPos(m_rcItem);
}

bool CScrollBarUI::IsShowButton2() const
{
    return m_bShowButton2;
}

void CScrollBarUI::SetShowButton2(bool bShow)
{
    m_bShowButton2 = bShow;
    SetPos(m_rcItem);
}

const RECT& CScrollBarUI::GetButton1Rect() const
{
    return m_rcButton1;
}

const RECT& CScrollBarUI::GetButton2Rect() const
{
    return m_rcButton2;
}

const RECT& CScrollBarUI::GetThumbRect() const
{
    return m_rcThumb;
}

UINT CScrollBarUI::GetButton1State() const
{
    return m_uButton1State;
}

UINT CScrollBarUI::GetButton2State() const
{
    return m_uButton2State;
}

UINT CScrollBarUI::GetThumbState() const
{
    return m_uThumbState;
}

void CScrollBarUI::SetVisible(bool bVisible)
{
    if (m_bVisible == bVisible) return;
    m_bVisible = bVisible;
    m_bFocused = false;
}

void CScrollBarUI::SetEnabled(bool bEnable)
{
    CControlUI::SetEnabled(bEnable);
    if (!bEnable) {
        m_uButton1State = 0;
        m_uButton2State = 0;
        m_uThumbState = 0;
    }
}

void CScrollBarUI::SetFocus()
{
    if (m_pOwner != nullptr)
        m_pOwner->SetFocus();
    else
        CControlUI::SetFocus();
}

int CScrollBarUI::ButtonSize() const
{
    return Scaled(m_bHorizontal ? m_cxyFixed.cy : m_cxyFixed.cx);
}

int CScrollBarUI::BarLength() const
{
    return m_bHorizontal ? m_rcItem.right - m_rcItem.left : m_rcItem.bottom - m_rcItem.top;
}

void CScrollBarUI::SetPos(RECT rc)
{
    CControlUI::SetPos(rc);
    TScrollBarMetrics metrics;
    metrics.rcItem = ToUIRect(m_rcItem);
    metrics.bHorizontal = m_bHorizontal;
    metrics.nButtonSize = ButtonSize();
    metrics.bShowButton1 = m_bShowButton1;
    metrics.bShowButton2 = m_bShowButton2;
    metrics.nRange = m_nRange;
    metrics.nPos = m_nScrollPos;
    const TScrollBarParts parts = ScrollBarLayoutParts(metrics);
    m_rcButton1 = ToRECT(parts.rcButton1);
    m_rcButton2 = ToRECT(parts.rcButton2);
    m_rcThumb = ToRECT(parts.rcThumb);
}

void CScrollBarUI::NotifyScroll()
{
    if (m_pOwner == nullptr && m_pManager != nullptr) m_pManager->SendNotify(this, "scroll");
}

void CScrollBarUI::LineBack()
{
    if (m_pOwner == nullptr)
        SetScrollPos(m_nScrollPos - m_nLineSize);
    else if (m_bHorizontal)
        m_pOwner->LineLeft();
    else
        m_pOwner->LineUp();
}

void CScrollBarUI::LineForward()
{
    if (m_pOwner == nullptr)
        SetScrollPos(m_nScrollPos + m_nLineSize);
    else if (m_bHorizontal)
        m_pOwner->LineRight();
    else
        m_pOwner->LineDown();
}

void CScrollBarUI::PageBack()
{
    if (m_pOwner == nullptr)
        SetScrollPos(m_nScrollPos - BarLength());
    else if (m_bHorizontal)
        m_pOwner->PageLeft();
    else
        m_pOwner->PageUp();
}

void CScrollBarUI::PageForward()
{
    if (m_pOwner == nullptr)
        SetScrollPos(m_nScrollPos + BarLength());
    else if (m_bHorizontal)
        m_pOwner->PageRight();
    else
        m_pOwner->PageDown();
}

void CScrollBarUI::DoEvent(TEventMsg& event)
{
    if (PassMouseWhenDisabled(event)) return;
    switch (event.Type) {
    case UIEVENT_SETFOCUS:
    case UIEVENT_KILLFOCUS:
    case UIEVENT_CONTEXTMENU:
        return;
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_DBLCLICK:
        if (!IsEnabled()) break;
        OnButtonDown(event);
        return;
    case UIEVENT_BUTTONUP:
        OnButtonUp();
        return;
    case UIEVENT_MOUSEMOVE:
        OnMouseMove(event);
        return;
    case UIEVENT_TIMER:
        if (event.wParam != kTimerId) break;
        OnTimer();
        return;
    case UIEVENT_MOUSEENTER:
        if (!IsEnabled()) break;
        OnMouseEnter(event);
        return;
    case UIEVENT_MOUSELEAVE:
        if (!IsEnabled()) break;
        OnMouseLeave();
        return;
    default:
        break;
    }
    PassOn(event);
}

void CScrollBarUI::PassOn(TEventMsg& event)
{
    if (m_pOwner != nullptr)
        m_pOwner->DoEvent(event);
    else
        CControlUI::DoEvent(event);
}

void CScrollBarUI::OnButtonDown(const TEventMsg& event)
{
    m_nLastScrollOffset = 0;
    m_nScrollRepeatDelay = 0;
    if (m_pManager != nullptr) m_pManager->SetTimer(this, kTimerId, kTimerElapse);
    TScrollBarParts parts;
    parts.rcButton1 = ToUIRect(m_rcButton1);
    parts.rcButton2 = ToUIRect(m_rcButton2);
    parts.rcThumb = ToUIRect(m_rcThumb);
    switch (ScrollBarHitTest(parts, ToUIPoint(event.ptMouse), m_bHorizontal)) {
    case EScrollBarHit::Button1:
        m_uButton1State |= UISTATE_PUSHED;
        LineBack();
        break;
    case EScrollBarHit::Button2:
        m_uButton2State |= UISTATE_PUSHED;
        LineForward();
        break;
    case EScrollBarHit::Thumb:
        m_uThumbState |= UISTATE_CAPTURED | UISTATE_PUSHED;
        m_ptLastMouse = event.ptMouse;
        m_nLastScrollPos = m_nScrollPos;
        break;
    case EScrollBarHit::BeforeThumb:
        PageBack();
        break;
    case EScrollBarHit::AfterThumb:
        PageForward();
        break;
    case EScrollBarHit::None:
        break;
    }
    NotifyScroll();
}

void CScrollBarUI::OnButtonUp()
{
    m_nScrollRepeatDelay = 0;
    m_nLastScrollOffset = 0;
    if (m_pManager != nullptr) m_pManager->KillTimer(this, kTimerId);
    if ((m_uThumbState & UISTATE_CAPTURED) != 0)
        m_uThumbState &= ~(UISTATE_CAPTURED | UISTATE_PUSHED);
    else if ((m_uButton1State & UISTATE_PUSHED) != 0)
        m_uButton1State &= ~UISTATE_PUSHED;
    else if ((m_uButton2State & UISTATE_PUSHED) != 0)
        m_uButton2State &= ~UISTATE_PUSHED;
    else
        return;
    Invalidate();
}

void CScrollBarUI::OnMouseMove(const TEventMsg& event)
{
    if ((m_uThumbState & UISTATE_CAPTURED) != 0) {
        const int distance = m_bHorizontal ? event.ptMouse.x - m_ptLastMouse.x : event.ptMouse.y - m_ptLastMouse.y;
        const int thumb = m_bHorizontal ? m_rcThumb.right - m_rcThumb.left : m_rcThumb.bottom - m_rcThumb.top;
        ScrollBarDragOffset(distance, m_nRange, BarLength(), thumb, ButtonSize(), m_nLastScrollOffset);
        return;
    }
    const bool overThumb = ::PtInRect(&m_rcThumb, event.ptMouse) != FALSE;
    if ((m_uThumbState & UISTATE_HOT) != 0 && !overThumb) {
        m_uThumbState &= ~UISTATE_HOT;
        Invalidate();
    }
    if (IsEnabled() && overThumb) {
        m_uThumbState |= UISTATE_HOT;
        Invalidate();
    }
}

POINT CScrollBarUI::GetCursorInWindow() const
{
    POINT pt = {0, 0};
    ::GetCursorPos(&pt);
    if (m_pManager != nullptr) ::ScreenToClient(m_pManager->GetPaintWindow(), &pt);
    return pt;
}

void CScrollBarUI::OnTimer()
{
    ++m_nScrollRepeatDelay;
    if ((m_uThumbState & UISTATE_CAPTURED) != 0) {
        const int pos = m_nLastScrollPos + m_nLastScrollOffset;
        if (m_pOwner == nullptr) {
            SetScrollPos(pos);
        } else {
            SIZE sz = m_pOwner->GetScrollPos();
            (m_bHorizontal ? sz.cx : sz.cy) = pos;
            m_pOwner->SetScrollPos(sz);
        }
        Invalidate();
    } else if (m_nScrollRepeatDelay < kRepeatDelayTicks) {
        return;
    } else if ((m_uButton1State & UISTATE_PUSHED) != 0) {
        LineBack();
    } else if ((m_uButton2State & UISTATE_PUSHED) != 0) {
        LineForward();
    } else {
        TScrollBarParts parts;
        parts.rcThumb = ToUIRect(m_rcThumb);
        const EScrollBarHit hit = ScrollBarHitTest(parts, ToUIPoint(GetCursorInWindow()), m_bHorizontal);
        if (hit == EScrollBarHit::BeforeThumb)
            PageBack();
        else if (hit == EScrollBarHit::AfterThumb)
            PageForward();
    }
    NotifyScroll();
}

void CScrollBarUI::OnMouseEnter(const TEventMsg& event)
{
    m_uButton1State |= UISTATE_HOT;
    m_uButton2State |= UISTATE_HOT;
    if (::PtInRect(&m_rcThumb, event.ptMouse)) m_uThumbState |= UISTATE_HOT;
    Invalidate();
}

void CScrollBarUI::OnMouseLeave()
{
    m_uButton1State &= ~UISTATE_HOT;
    m_uButton2State &= ~UISTATE_HOT;
    m_uThumbState &= ~UISTATE_HOT;
    Invalidate();
}

bool CScrollBarUI::SetPartImage(const char* pstrName, const char* pstrValue)
{
    static const struct {
        const char* prefix;
        TPartImages CScrollBarUI::*images;
    } kParts[] = {
        {"button1", &CScrollBarUI::m_button1Images}, {"button2", &CScrollBarUI::m_button2Images},
        {"thumb", &CScrollBarUI::m_thumbImages},     {"rail", &CScrollBarUI::m_railImages},
        {"bk", &CScrollBarUI::m_bkImages},
    };
    static const struct {
        const char* suffix;
        CUIString TPartImages::*image;
    } kStates[] = {
        {"normalimage", &TPartImages::normal},
        {"hotimage", &TPartImages::hot},
        {"pushedimage", &TPartImages::pushed},
        {"disabledimage", &TPartImages::disabled},
    };
    for (const auto& part : kParts) {
        const size_t len = std::strlen(part.prefix);
        if (std::strncmp(pstrName, part.prefix, len) != 0) continue;
        for (const auto& state : kStates) {
            if (CUIName::Equals(pstrName + len, state.suffix)) {
                (this->*part.images).*state.image = pstrValue;
                Invalidate();
                return true;
            }
        }
    }
    return false;
}

void CScrollBarUI::SetAttribute(const char* pstrName, const char* pstrValue)
{
    if (pstrName == nullptr) return;
    if (pstrValue == nullptr) pstrValue = "";
    if (SetPartImage(pstrName, pstrValue)) return;
    if (CUIName::Equals(pstrName, "hor"))
        SetHorizontal(CAttributeValue::ParseBool(pstrValue));
    else if (CUIName::Equals(pstrName, "linesize"))
        SetLineSize(CAttributeValue::ParseInt(pstrValue));
    else if (CUIName::Equals(pstrName, "range"))
        SetScrollRange(CAttributeValue::ParseInt(pstrValue));
    else if (CUIName::Equals(pstrName, "value"))
        SetScrollPos(CAttributeValue::ParseInt(pstrValue));
    else if (CUIName::Equals(pstrName, "showbutton1"))
        SetShowButton1(CAttributeValue::ParseBool(pstrValue));
    else if (CUIName::Equals(pstrName, "showbutton2"))
        SetShowButton2(CAttributeValue::ParseBool(pstrValue));
    else
        CControlUI::SetAttribute(pstrName, pstrValue);
}

void CScrollBarUI::DoPaint(HDC hDC, const RECT& rcPaint)
{
    if (!::IntersectRect(&m_rcPaint, &rcPaint, &m_rcItem)) return;
    PaintBackground(hDC);
    if (m_bShowButton1) PaintPart(hDC, m_button1Images, m_uButton1State, m_rcButton1);
    if (m_bShowButton2) PaintPart(hDC, m_button2Images, m_uButton2State, m_rcButton2);
    if (ScrollBarHasThumb(ToUIRect(m_rcThumb))) {
        PaintPart(hDC, m_thumbImages, m_uThumbState, m_rcThumb);
        PaintRail(hDC);
    }
}

bool CScrollBarUI::PaintImages(HDC hDC, TPartImages& images, UINT state, const char* pstrModify)
{
    CUIString* pick = nullptr;
    if ((state & UISTATE_DISABLED) != 0)
        pick = &images.disabled;
    else if ((state & UISTATE_PUSHED) != 0)
        pick = &images.pushed;
    else if ((state & UISTATE_HOT) != 0)
        pick = &images.hot;
    if (pick != nullptr && !pick->IsEmpty()) {
        if (DrawImage(hDC, *pick, pstrModify)) return true;
        pick->Empty();
    }
    if (images.normal.IsEmpty()) return false;
    if (DrawImage(hDC, images.normal, pstrModify)) return true;
    images.normal.Empty();
    return false;
}

// An image description's "dest" is a skin length, scaled again when it is drawn.
CUIString CScrollBarUI::DestModifier(const RECT& rcPart) const
{
    const CDpiScale& scale = GetDpiScale();
    CUIString modify;
    modify.SmallFormat("dest='%d,%d,%d,%d'", scale.Unscale(rcPart.left - m_rcItem.left),
                       scale.Unscale(rcPart.top - m_rcItem.top), scale.Unscale(rcPart.right - m_rcItem.left),
                       scale.Unscale(rcPart.bottom - m_rcItem.top));
    return modify;
}

bool CScrollBarUI::PaintPart(HDC hDC, TPartImages& images, UINT& state, const RECT& rcPart)
{
    if (IsEnabled())
        state &= ~UISTATE_DISABLED;
    else
        state |= UISTATE_DISABLED;
    m_sImageModify = DestModifier(rcPart);
    if (PaintImages(hDC, images, state, m_sImageModify)) return true;
    CUIRender::DrawRect(hDC, rcPart, Scaled(kOutlineSize), kOutlineColor);
    return false;
}

void CScrollBarUI::PaintBackground(HDC hDC)
{
    if (IsEnabled())
        m_uThumbState &= ~UISTATE_DISABLED;
    else
        m_uThumbState |= UISTATE_DISABLED;
    PaintImages(hDC, m_bkImages, m_uThumbState, nullptr);
}

void CScrollBarUI::PaintRail(HDC hDC)
{
    m_sImageModify = DestModifier(ToRECT(ScrollBarRailRect(ToUIRect(m_rcThumb), m_bHorizontal, ButtonSize())));
    PaintImages(hDC, m_railImages, m_uThumbState, m_sImageModify);
}

} // namespace SkinUI
