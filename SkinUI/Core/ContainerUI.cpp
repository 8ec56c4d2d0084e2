#include "SkinUI/Core/ContainerUI.h"
#include <algorithm>
#include "SkinUI/Control/ScrollBarUI.h"
#include "SkinUI/Core/AttributeValue.h"
#include "SkinUI/Core/MarkupBounds.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/UIRender.h"
#include "SkinUI/Layout/LayoutFloat.h"
#include "SkinUI/Layout/LayoutFlow.h"
#include "SkinUI/Utils/UIName.h"
#include "SkinUI/Utils/UIRectWin.h"

namespace SkinUI {

namespace {

constexpr int kLineStep = 8;

bool Meets(const RECT& a, const RECT& b)
{
    RECT unused;
    return ::IntersectRect(&unused, &a, &b) != FALSE;
}

} // namespace

CContainerUI::~CContainerUI()
{
    // Delete at once: the manager may be going away with us.
    m_bDelayedDestroy = false;
    CPtrArrayUI items(m_items);
    m_items.Empty();
    for (int i = 0; i < items.GetSize(); ++i) ReleaseChild(static_cast<CControlUI*>(items[i]));
    delete m_pVerticalScrollBar;
    delete m_pHorizontalScrollBar;
}

const char* CContainerUI::GetClass() const
{
    return "ContainerUI";
}

LPVOID CContainerUI::GetInterface(const char* pstrName)
{
    if (CUIName::Equals(pstrName, "IContainer")) return static_cast<IContainerUI*>(this);
    if (CUIName::Equals(pstrName, "Container")) return this;
    return CControlUI::GetInterface(pstrName);
}

CControlUI* CContainerUI::GetItemAt(int iIndex) const
{
    if (iIndex < 0 || iIndex >= m_items.GetSize()) return nullptr;
    return static_cast<CControlUI*>(m_items[iIndex]);
}

int CContainerUI::GetItemIndex(CControlUI* pControl) const
{
    return pControl != nullptr ? m_items.Find(pControl) : -1;
}

bool CContainerUI::SetItemIndex(CControlUI* pControl, int iIndex)
{
    const int from = GetItemIndex(pControl);
    // A bad target would drop the child from the list after it was taken out.
    if (from < 0 || iIndex < 0 || iIndex >= m_items.GetSize()) return false;
    NeedUpdate();
    m_items.Remove(from);
    return m_items.InsertAt(iIndex, pControl);
}

int CContainerUI::GetCount() const
{
    return m_items.GetSize();
}

bool CContainerUI::Add(CControlUI* pControl)
{
    return InsertChild(pControl, m_items.GetSize());
}

bool CContainerUI::AddAt(CControlUI* pControl, int iIndex)
{
    return InsertChild(pControl, iIndex);
}

bool CContainerUI::InsertChild(CControlUI* pControl, int iIndex)
{
    // Refused before the child is touched: a refused child stays the caller's. A child of
    // another container stays there, since two owners would delete it twice.
    if (pControl == nullptr || pControl == this || pControl->GetParent() != nullptr || m_items.Find(pControl) >= 0)
        return false;
    if (iIndex < 0 || iIndex > m_items.GetSize()) return false;
    if (m_pManager != nullptr)
        m_pManager->InitControls(pControl, this);
    else
        pControl->SetManager(nullptr, this, false);
    if (IsVisible())
        NeedUpdate();
    else
        pControl->SetInternVisible(false);
    return m_items.InsertAt(iIndex, pControl);
}

void CContainerUI::ReleaseChild(CControlUI* pControl)
{
    if (!m_bAutoDestroy) {
        // A child we do not own goes on without pointing back here, or into our window.
        if (pControl->GetParent() == this) pControl->SetManager(nullptr, nullptr, false);
        return;
    }
    if (m_bDelayedDestroy && m_pManager != nullptr)
        m_pManager->AddDelayedCleanup(pControl);
    else
        delete pControl;
}

bool CContainerUI::Remove(CControlUI* pControl)
{
    const int index = GetItemIndex(pControl);
    if (index < 0) return false;
    NeedUpdate();
    // Out of the list first, so the child's destruction never sees itself listed here.
    m_items.Remove(index);
    ReleaseChild(pControl);
    return true;
}

bool CContainerUI::RemoveAt(int iIndex)
{
    return Remove(GetItemAt(iIndex));
}

void CContainerUI::RemoveAll()
{
    CPtrArrayUI items(m_items);
    m_items.Empty();
    for (int i = 0; i < items.GetSize(); ++i) ReleaseChild(static_cast<CControlUI*>(items[i]));
    NeedUpdate();
}

void CContainerUI::SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit)
{
    for (int i = 0; i < GetCount(); ++i) GetItemAt(i)->SetManager(pManager, this, bInit);
    if (m_pVerticalScrollBar != nullptr) m_pVerticalScrollBar->SetManager(pManager, this, bInit);
    if (m_pHorizontalScrollBar != nullptr) m_pHorizontalScrollBar->SetManager(pManager, this, bInit);
    CControlUI::SetManager(pManager, pParent, bInit);
}

void CContainerUI::SetPos(RECT rc)
{
    CControlUI::SetPos(rc);
    if (GetCount() == 0) return;
    const RECT inner = InnerRectWith(0, 0);
    for (int i = 0; i < GetCount(); ++i) {
        CControlUI* pControl = GetItemAt(i);
        if (!pControl->IsVisible()) continue;
        if (pControl->IsFloat())
            SetFloatPos(i);
        else
            pControl->SetPos(inner);
    }
}

void CContainerUI::SetVisible(bool bVisible)
{
    if (m_bVisible == bVisible) return;
    CControlUI::SetVisible(bVisible);
    for (int i = 0; i < GetCount(); ++i) GetItemAt(i)->SetInternVisible(IsVisible());
}

void CContainerUI::SetInternVisible(bool bVisible)
{
    CControlUI::SetInternVisible(bVisible);
    for (int i = 0; i < GetCount(); ++i) GetItemAt(i)->SetInternVisible(IsVisible());
}

void CContainerUI::SetMouseEnabled(bool bEnable)
{
    if (m_pVerticalScrollBar != nullptr) m_pVerticalScrollBar->SetMouseEnabled(bEnable);
    if (m_pHorizontalScrollBar != nullptr) m_pHorizontalScrollBar->SetMouseEnabled(bEnable);
    CControlUI::SetMouseEnabled(bEnable);
}

RECT CContainerUI::GetInset() const
{
    return m_rcInset;
}

void CContainerUI::SetInset(RECT rcInset)
{
    m_rcInset = RECT{CMarkupBounds::Length(rcInset.left), CMarkupBounds::Length(rcInset.top),
                     CMarkupBounds::Length(rcInset.right), CMarkupBounds::Length(rcInset.bottom)};
    NeedUpdate();
}

int CContainerUI::GetChildPadding() const
{
    return m_iChildPadding;
}

void CContainerUI::SetChildPadding(int iPadding)
{
    m_iChildPadding = CMarkupBounds::Length(iPadding);
    NeedUpdate();
}

bool CContainerUI::IsAutoDestroy() const
{
    return m_bAutoDestroy;
}

void CContainerUI::SetAutoDestroy(bool bAuto)
{
    m_bAutoDestroy = bAuto;
}

bool CContainerUI::IsDelayedDestroy() const
{
    return m_bDelayedDestroy;
}

void CContainerUI::SetDelayedDestroy(bool bDelayed)
{
    m_bDelayedDestroy = bDelayed;
}

bool CContainerUI::IsMouseChildEnabled() const
{
    return m_bMouseChildEnabled;
}

void CContainerUI::SetMouseChildEnabled(bool bEnable)
{
    m_bMouseChildEnabled = bEnable;
}

int CContainerUI::FindSelectable(int iIndex, bool bForward) const
{
    const int count = GetCount();
    if (count == 0) return -1;
    iIndex = std::clamp(iIndex, 0, count - 1);
    const auto selectable = [this](int i) {
        CControlUI* pControl = GetItemAt(i);
        return pControl->GetInterface("ListItem") != nullptr && pControl->IsVisible() && pControl->IsEnabled();
    };
    if (bForward) {
        for (int i = iIndex; i < count; ++i) {
            if (selectable(i)) return i;
        }
        return -1;
    }
    for (int i = iIndex; i >= 0; --i) {
        if (selectable(i)) return i;
    }
    return FindSelectable(0, true);
}

bool CContainerUI::IsBarVisible(const CScrollBarUI* pBar) const
{
    return pBar != nullptr && pBar->IsVisible();
}

RECT CContainerUI::GetInnerRect() const
{
    const int cxBar = IsBarVisible(m_pVerticalScrollBar) ? m_pVerticalScrollBar->GetFixedWidth() : 0;
    const int cyBar = IsBarVisible(m_pHorizontalScrollBar) ? m_pHorizontalScrollBar->GetFixedHeight() : 0;
    return InnerRectWith(cxBar, cyBar);
}

// Taken off in skin lengths and scaled back, so that each edge falls where it falls at
// 96 DPI scaled, whatever rounding the lengths on its way had.
RECT CContainerUI::InnerRectWith(int cxBar, int cyBar) const
{
    const CDpiScale& scale = GetDpiScale();
    return ToRECT(
        scale.ScaleRect(LayoutInnerRect(ToUIRect(scale.UnscaleRect(m_rcItem)), ToUIRect(m_rcInset), cxBar, cyBar)));
}

SIZE CContainerUI::GetScrollPos() const
{
    SIZE sz = {0, 0};
    if (IsBarVisible(m_pVerticalScrollBar)) sz.cy = m_pVerticalScrollBar->GetScrollPos();
    if (IsBarVisible(m_pHorizontalScrollBar)) sz.cx = m_pHorizontalScrollBar->GetScrollPos();
    return sz;
}

SIZE CContainerUI::GetScrollRange() const
{
    SIZE sz = {0, 0};
    if (IsBarVisible(m_pVerticalScrollBar)) sz.cy = m_pVerticalScrollBar->GetScrollRange();
    if (IsBarVisible(m_pHorizontalScrollBar)) sz.cx = m_pHorizontalScrollBar->GetScrollRange();
    return sz;
}

void CContainerUI::SetScrollPos(SIZE szPos)
{
    int dx = 0;
    int dy = 0;
    if (IsBarVisible(m_pVerticalScrollBar)) {
        const int old = m_pVerticalScrollBar->GetScrollPos();
        m_pVerticalScrollBar->SetScrollPos(szPos.cy);
        dy = m_pVerticalScrollBar->GetScrollPos() - old;
    }
    if (IsBarVisible(m_pHorizontalScrollBar)) {
        const int old = m_pHorizontalScrollBar->GetScrollPos();
        m_pHorizontalScrollBar->SetScrollPos(szPos.cx);
        dx = m_pHorizontalScrollBar->GetScrollPos() - old;
    }
    if (dx == 0 && dy == 0) return;
    for (int i = 0; i < GetCount(); ++i) {
        CControlUI* pControl = GetItemAt(i);
        if (!pControl->IsVisible() || pControl->IsFloat()) continue;
        RECT rc = pControl->GetPos();
        ::OffsetRect(&rc, -dx, -dy);
        pControl->SetPos(rc);
    }
    Invalidate();
}

int CContainerUI::PageHeight() const
{
    const RECT inner =
        InnerRectWith(0, IsBarVisible(m_pHorizontalScrollBar) ? m_pHorizontalScrollBar->GetFixedHeight() : 0);
    return inner.bottom - inner.top;
}

int CContainerUI::PageWidth() const
{
    const RECT inner = InnerRectWith(IsBarVisible(m_pVerticalScrollBar) ? m_pVerticalScrollBar->GetFixedWidth() : 0, 0);
    return inner.right - inner.left;
}

void CContainerUI::LineUp()
{
    int step = Scaled(kLineStep);
    if (m_pManager != nullptr) step += m_pManager->GetDefaultFontInfo()->tm.tmHeight;
    SIZE sz = GetScrollPos();
    sz.cy -= step;
    SetScrollPos(sz);
}

void CContainerUI::LineDown()
{
    int step = Scaled(kLineStep);
    if (m_pManager != nullptr) step += m_pManager->GetDefaultFontInfo()->tm.tmHeight;
    SIZE sz = GetScrollPos();
    sz.cy += step;
    SetScrollPos(sz);
}

void CContainerUI::PageUp()
{
    SIZE sz = GetScrollPos();
    sz.cy -= PageHeight();
    SetScrollPos(sz);
}

void CContainerUI::PageDown()
{
    SIZE sz = GetScrollPos();
    sz.cy += PageHeight();
    SetScrollPos(sz);
}

void CContainerUI::HomeUp()
{
    SIZE sz = GetScrollPos();
    sz.cy = 0;
    SetScrollPos(sz);
}

void CContainerUI::EndDown()
{
    SIZE sz = GetScrollPos();
    sz.cy = GetScrollRange().cy;
    SetScrollPos(sz);
}

void CContainerUI::LineLeft()
{
    SIZE sz = GetScrollPos();
    sz.cx -= Scaled(kLineStep);
    SetScrollPos(sz);
}

void CContainerUI::LineRight()
{
    SIZE sz = GetScrollPos();
    sz.cx += Scaled(kLineStep);
    SetScrollPos(sz);
}

void CContainerUI::PageLeft()
{
    SIZE sz = GetScrollPos();
    sz.cx -= PageWidth();
    SetScrollPos(sz);
}

void CContainerUI::PageRight()
{
    SIZE sz = GetScrollPos();
    sz.cx += PageWidth();
    SetScrollPos(sz);
}

void CContainerUI::HomeLeft()
{
    SIZE sz = GetScrollPos();
    sz.cx = 0;
    SetScrollPos(sz);
}

void CContainerUI::EndRight()
{
    SIZE sz = GetScrollPos();
    sz.cx = GetScrollRange().cx;
    SetScrollPos(sz);
}

CScrollBarUI* CContainerUI::CreateScrollBar(bool bHorizontal)
{
    CScrollBarUI* pBar = new CScrollBarUI();
    pBar->SetHorizontal(bHorizontal);
    pBar->SetOwner(this);
    pBar->SetManager(m_pManager, nullptr, false);
    if (m_pManager != nullptr) {
        const char* list = m_pManager->GetDefaultAttributeList(bHorizontal ? "HScrollBar" : "VScrollBar");
        if (list != nullptr) pBar->ApplyAttributeList(list);
    }
    return pBar;
}

void CContainerUI::EnableScrollBar(bool bEnableVertical, bool bEnableHorizontal)
{
    if (bEnableVertical && m_pVerticalScrollBar == nullptr) {
        m_pVerticalScrollBar = CreateScrollBar(false);
    } else if (!bEnableVertical && m_pVerticalScrollBar != nullptr) {
        delete m_pVerticalScrollBar;
        m_pVerticalScrollBar = nullptr;
    }
    if (bEnableHorizontal && m_pHorizontalScrollBar == nullptr) {
        m_pHorizontalScrollBar = CreateScrollBar(true);
    } else if (!bEnableHorizontal && m_pHorizontalScrollBar != nullptr) {
        delete m_pHorizontalScrollBar;
        m_pHorizontalScrollBar = nullptr;
    }
    NeedUpdate();
}

CScrollBarUI* CContainerUI::GetVerticalScrollBar() const
{
    return m_pVerticalScrollBar;
}

CScrollBarUI* CContainerUI::GetHorizontalScrollBar() const
{
    return m_pHorizontalScrollBar;
}

void CContainerUI::SetFloatPos(int iIndex)
{
    CControlUI* pControl = GetItemAt(iIndex);
    if (pControl == nullptr || !pControl->IsVisible() || !pControl->IsFloat()) return;
    const TRelativePosUI relative = pControl->GetRelativePos();
    TFloatRequest request;
    request.szXY = ToUISize(pControl->GetFixedXY());
    request.cx = pControl->GetFixedWidth();
    request.cy = pControl->GetFixedHeight();
    request.bRelative = relative.bRelative;
    request.szParent = ToUISize(relative.szParent);
    request.nMoveXPercent = relative.nMoveXPercent;
    request.nMoveYPercent = relative.nMoveYPercent;
    request.nZoomXPercent = relative.nZoomXPercent;
    request.nZoomYPercent = relative.nZoomYPercent;
    // Placed in skin lengths, like the flow.
    const CDpiScale& scale = GetDpiScale();
    const TFloatPlacement placement = LayoutFloat(ToUIRect(scale.UnscaleRect(m_rcItem)), request);
    if (relative.bRelative) pControl->SetRelativeParentSize(ToSIZE(placement.szParent));
    pControl->SetPos(ToRECT(scale.ScaleRect(placement.rc)));
}

void CContainerUI::ProcessScrollBar(RECT rc, int /*cxRequired*/, int cyRequired)
{
    if (IsBarVisible(m_pHorizontalScrollBar))
        m_pHorizontalScrollBar->SetPos(
            RECT{rc.left, rc.bottom, rc.right,
                 Scaled(GetDpiScale().Unscale(rc.bottom) + m_pHorizontalScrollBar->GetFixedHeight())});
    if (m_pVerticalScrollBar == nullptr) return;
    const int height = rc.bottom - rc.top;
    if (height < cyRequired && !m_pVerticalScrollBar->IsVisible()) {
        m_pVerticalScrollBar->SetVisible(true);
        m_pVerticalScrollBar->SetScrollRange(cyRequired - height);
        m_pVerticalScrollBar->SetScrollPos(0);
        m_bScrollProcess = true;
        SetPos(m_rcItem);
        m_bScrollProcess = false;
        return;
    }
    if (!m_pVerticalScrollBar->IsVisible()) return;
    // Content that fits has no range (not the distance to the bottom as a positive one).
    const int range = std::max(cyRequired - height, 0);
    if (range == 0 && !m_bScrollProcess) {
        m_pVerticalScrollBar->SetVisible(false);
        m_pVerticalScrollBar->SetScrollPos(0);
        m_pVerticalScrollBar->SetScrollRange(0);
        SetPos(m_rcItem);
        return;
    }
    m_pVerticalScrollBar->SetPos(RECT{
        rc.right, rc.top, Scaled(GetDpiScale().Unscale(rc.right) + m_pVerticalScrollBar->GetFixedWidth()), rc.bottom});
    if (m_pVerticalScrollBar->GetScrollRange() == range) return;
    const int oldPos = m_pVerticalScrollBar->GetScrollPos();
    m_pVerticalScrollBar->SetScrollRange(range);
    if (range == 0) {
        m_pVerticalScrollBar->SetVisible(false);
        m_pVerticalScrollBar->SetScrollPos(0);
    }
    if (m_pVerticalScrollBar->GetScrollPos() >= oldPos) return;
    SetPos(m_rcItem);
}

CControlUI* CContainerUI::FindInChildren(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags)
{
    const bool hitTest = (uFlags & UIFIND_HITTEST) != 0;
    const RECT inner = GetInnerRect();
    const int count = GetCount();
    for (int k = 0; k < count; ++k) {
        CControlUI* pChild = GetItemAt((uFlags & UIFIND_TOP_FIRST) != 0 ? count - 1 - k : k);
        CControlUI* pFound = pChild != nullptr ? pChild->FindControl(Proc, pData, uFlags) : nullptr;
        if (pFound == nullptr) continue;
        if (!hitTest || pFound->IsFloat() || ::PtInRect(&inner, *static_cast<const POINT*>(pData))) return pFound;
    }
    return nullptr;
}

CControlUI* CContainerUI::FindControl(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags)
{
    if ((uFlags & UIFIND_VISIBLE) != 0 && !IsVisible()) return nullptr;
    if ((uFlags & UIFIND_ENABLED) != 0 && !IsEnabled()) return nullptr;
    if ((uFlags & UIFIND_HITTEST) != 0) {
        if (pData == nullptr || !::PtInRect(&m_rcItem, *static_cast<const POINT*>(pData))) return nullptr;
    }
    CControlUI* pFound = nullptr;
    if (m_pVerticalScrollBar != nullptr) pFound = m_pVerticalScrollBar->FindControl(Proc, pData, uFlags);
    if (pFound == nullptr && m_pHorizontalScrollBar != nullptr)
        pFound = m_pHorizontalScrollBar->FindControl(Proc, pData, uFlags);
    if (pFound != nullptr) return pFound;
    if ((uFlags & UIFIND_HITTEST) != 0 && !m_bMouseChildEnabled) return CControlUI::FindControl(Proc, pData, uFlags);
    if ((uFlags & UIFIND_ME_FIRST) != 0) {
        pFound = CControlUI::FindControl(Proc, pData, uFlags);
        if (pFound != nullptr) return pFound;
    }
    pFound = FindInChildren(Proc, pData, uFlags);
    if (pFound != nullptr) return pFound;
    if ((uFlags & UIFIND_ME_FIRST) != 0) return nullptr;
    return CControlUI::FindControl(Proc, pData, uFlags);
}

bool CContainerUI::ScrollByKey(TEventMsg& event, bool bVertical)
{
    if (event.Type == UIEVENT_KEYDOWN) {
        switch (static_cast<unsigned char>(event.chKey)) {
        case VK_DOWN:
            bVertical ? LineDown() : LineRight();
            return true;
        case VK_UP:
            bVertical ? LineUp() : LineLeft();
            return true;
        case VK_NEXT:
            bVertical ? PageDown() : PageRight();
            return true;
        case VK_PRIOR:
            bVertical ? PageUp() : PageLeft();
            return true;
        case VK_HOME:
            bVertical ? HomeUp() : HomeLeft();
            return true;
        case VK_END:
            bVertical ? EndDown() : EndRight();
            return true;
        default:
            return false;
        }
    }
    if (event.Type == UIEVENT_SCROLLWHEEL) {
        switch (LOWORD(event.wParam)) {
        case 0:
            bVertical ? LineUp() : LineLeft();
            return true;
        case 1:
            bVertical ? LineDown() : LineRight();
            return true;
        default:
            return false;
        }
    }
    return false;
}

void CContainerUI::DoEvent(TEventMsg& event)
{
    if (PassMouseWhenDisabled(event)) return;
    if (event.Type == UIEVENT_SETFOCUS || event.Type == UIEVENT_KILLFOCUS) {
        m_bFocused = event.Type == UIEVENT_SETFOCUS;
        return;
    }
    const auto usable = [this](const CScrollBarUI* pBar) { return IsBarVisible(pBar) && pBar->IsEnabled(); };
    if (usable(m_pVerticalScrollBar)) {
        if (ScrollByKey(event, true)) return;
    } else if (usable(m_pHorizontalScrollBar)) {
        if (ScrollByKey(event, false)) return;
    }
    CControlUI::DoEvent(event);
}

void CContainerUI::SetAttribute(const char* pstrName, const char* pstrValue)
{
    if (pstrName == nullptr) return;
    if (pstrValue == nullptr) pstrValue = "";
    if (CUIName::Equals(pstrName, "inset")) {
        int v[4] = {};
        CAttributeValue::ParseList(pstrValue, v, 4);
        SetInset(RECT{v[0], v[1], v[2], v[3]});
    } else if (CUIName::Equals(pstrName, "mousechild")) {
        SetMouseChildEnabled(CAttributeValue::ParseBool(pstrValue));
    } else if (CUIName::Equals(pstrName, "vscrollbar")) {
        EnableScrollBar(CAttributeValue::ParseBool(pstrValue), m_pHorizontalScrollBar != nullptr);
    } else if (CUIName::Equals(pstrName, "vscrollbarstyle")) {
        EnableScrollBar(true, m_pHorizontalScrollBar != nullptr);
        m_pVerticalScrollBar->ApplyAttributeList(pstrValue);
    } else if (CUIName::Equals(pstrName, "hscrollbar")) {
        EnableScrollBar(m_pVerticalScrollBar != nullptr, CAttributeValue::ParseBool(pstrValue));
    } else if (CUIName::Equals(pstrName, "hscrollbarstyle")) {
        EnableScrollBar(m_pVerticalScrollBar != nullptr, true);
        m_pHorizontalScrollBar->ApplyAttributeList(pstrValue);
    } else if (CUIName::Equals(pstrName, "childpadding")) {
        SetChildPadding(CAttributeValue::ParseInt(pstrValue));
    } else {
        CControlUI::SetAttribute(pstrName, pstrValue);
    }
}

void CContainerUI::PaintChildren(HDC hDC, const RECT& rcPaint, const TClipRec& itemClip)
{
    const RECT inner = GetInnerRect();
    RECT rcInnerPaint;
    const bool innerMeets = ::IntersectRect(&rcInnerPaint, &rcPaint, &inner) != FALSE;
    TClipRec childClip;
    if (innerMeets) CUIRender::GenerateClip(hDC, rcInnerPaint, childClip);
    for (int i = 0; i < GetCount(); ++i) {
        CControlUI* pControl = GetItemAt(i);
        if (!pControl->IsVisible() || !Meets(rcPaint, pControl->GetPos())) continue;
        if (pControl->IsFloat()) {
            if (!Meets(m_rcItem, pControl->GetPos())) continue;
            // Floating children may cover the inset and the scroll bars.
            if (innerMeets) ::SelectClipRgn(hDC, itemClip.hRgn);
            pControl->DoPaint(hDC, rcPaint);
            if (innerMeets) ::SelectClipRgn(hDC, childClip.hRgn);
        } else if (innerMeets && Meets(inner, pControl->GetPos())) {
            pControl->DoPaint(hDC, rcPaint);
        }
    }
    if (innerMeets) CUIRender::RestoreClip(childClip);
}

void CContainerUI::DoPaint(HDC hDC, const RECT& rcPaint)
{
    RECT rcClip;
    if (!::IntersectRect(&rcClip, &rcPaint, &m_rcItem)) return;
    TClipRec clip;
    CUIRender::GenerateClip(hDC, rcClip, clip);
    CControlUI::DoPaint(hDC, rcPaint);
    if (GetCount() > 0) PaintChildren(hDC, rcPaint, clip);
    for (CScrollBarUI* pBar : {m_pVerticalScrollBar, m_pHorizontalScrollBar}) {
        if (IsBarVisible(pBar) && Meets(rcPaint, pBar->GetPos())) pBar->DoPaint(hDC, rcPaint);
    }
    CUIRender::RestoreClip(clip);
}

} // namespace SkinUI
