#include "SkinUI/Layout/LayoutSeparatorTracker.h"
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/UIRender.h"
#include "SkinUI/Layout/LayoutSeparator.h"
#include "SkinUI/Utils/UIRectWin.h"

namespace SkinUI {

namespace {

constexpr DWORD kTrackColor = 0xAA000000;

} // namespace

CLayoutSeparatorTracker::CLayoutSeparatorTracker(bool bVertical)
    : m_bVertical(bVertical)
{}

int CLayoutSeparatorTracker::GetSize() const
{
    return m_iSepSize;
}

void CLayoutSeparatorTracker::SetSize(int iSize)
{
    m_iSepSize = iSize;
}

bool CLayoutSeparatorTracker::IsImmediate() const
{
    return m_bImmediateMode;
}

void CLayoutSeparatorTracker::SetImmediate(CControlUI& layout, bool bImmediate)
{
    if (m_bImmediateMode == bImmediate) return;
    if (bImmediate && IsDragging() && layout.GetManager() != nullptr) layout.GetManager()->RemovePostPaint(&layout);
    m_bImmediateMode = bImmediate;
}

bool CLayoutSeparatorTracker::IsDragging() const
{
    return (m_uButtonState & UISTATE_CAPTURED) != 0;
}

RECT CLayoutSeparatorTracker::GetThumbRect(const RECT& rcItem, bool bUseNewPos, const CDpiScale& scale) const
{
    return ToRECT(LayoutSeparatorRect(ToUIRect(bUseNewPos && IsDragging() ? m_rcNewPos : rcItem),
                                      scale.Scale(m_iSepSize), m_bVertical));
}

bool CLayoutSeparatorTracker::HandleEvent(CControlUI& layout, const TEventMsg& event, RECT& rcItem, SIZE& cxyFixed)
{
    if (m_iSepSize == 0) return false;
    switch (event.Type) {
    case UIEVENT_SETCURSOR:
        return OnSetCursor(layout, event, rcItem);
    case UIEVENT_BUTTONDOWN:
        return OnButtonDown(layout, event, rcItem);
    case UIEVENT_MOUSEMOVE:
        if (!IsDragging()) return false;
        OnMouseMove(layout, event, rcItem, cxyFixed);
        return true;
    case UIEVENT_BUTTONUP:
        if (!IsDragging()) return false;
        OnButtonUp(layout, rcItem);
        return true;
    default:
        return false;
    }
}

bool CLayoutSeparatorTracker::OnSetCursor(const CControlUI& layout, const TEventMsg& event, const RECT& rcItem) const
{
    const RECT thumb = GetThumbRect(rcItem, false, layout.GetDpiScale());
    if (!layout.IsEnabled() || !::PtInRect(&thumb, event.ptMouse)) return false;
    ::SetCursor(::LoadCursor(nullptr, m_bVertical ? IDC_SIZENS : IDC_SIZEWE));
    return true;
}

bool CLayoutSeparatorTracker::OnButtonDown(CControlUI& layout, const TEventMsg& event, const RECT& rcItem)
{
    const RECT thumb = GetThumbRect(rcItem, false, layout.GetDpiScale());
    if (!layout.IsEnabled() || !::PtInRect(&thumb, event.ptMouse)) return false;
    // A second press without a release (capture lost) must not register twice.
    const bool wasDragging = IsDragging();
    m_uButtonState |= UISTATE_CAPTURED;
    m_ptLastMouse = event.ptMouse;
    m_rcNewPos = rcItem;
    if (!wasDragging && !m_bImmediateMode && layout.GetManager() != nullptr) layout.GetManager()->AddPostPaint(&layout);
    return true;
}

void CLayoutSeparatorTracker::OnMouseMove(CControlUI& layout, const TEventMsg& event, RECT& rcItem, SIZE& cxyFixed)
{
    const int pointer = m_bVertical ? event.ptMouse.y : event.ptMouse.x;
    const int last = m_bVertical ? m_ptLastMouse.y : m_ptLastMouse.x;
    m_ptLastMouse = event.ptMouse;
    const CDpiScale& scale = layout.GetDpiScale();
    TSeparatorDrag drag;
    drag.bVertical = m_bVertical;
    drag.nSepSize = scale.Scale(m_iSepSize);
    drag.nMin = scale.Scale(m_bVertical ? layout.GetMinHeight() : layout.GetMinWidth());
    drag.nMax = scale.Scale(m_bVertical ? layout.GetMaxHeight() : layout.GetMaxWidth());
    CUIRect newPos;
    if (!LayoutSeparatorStep(drag, ToUIRect(m_rcNewPos), pointer, last, newPos)) return;
    const RECT moved = ToRECT(newPos);
    RECT area = GetThumbRect(rcItem, true, scale);
    m_rcNewPos = moved;
    // Stored directly, as a skin length: the parent lays the layout out again only when the drag ends.
    if (m_bVertical)
        cxyFixed.cy = scale.Unscale(moved.bottom - moved.top);
    else
        cxyFixed.cx = scale.Unscale(moved.right - moved.left);
    if (m_bImmediateMode) {
        rcItem = moved;
        layout.NeedParentUpdate();
        return;
    }
    const RECT now = GetThumbRect(rcItem, true, scale);
    const RECT old = GetThumbRect(rcItem, false, scale);
    ::UnionRect(&area, &area, &now);
    ::UnionRect(&area, &area, &old);
    if (layout.GetManager() != nullptr) layout.GetManager()->Invalidate(area);
}

void CLayoutSeparatorTracker::OnButtonUp(CControlUI& layout, RECT& rcItem)
{
    rcItem = m_rcNewPos;
    m_uButtonState &= ~UISTATE_CAPTURED;
    if (!m_bImmediateMode && layout.GetManager() != nullptr) layout.GetManager()->RemovePostPaint(&layout);
    layout.NeedParentUpdate();
}

void CLayoutSeparatorTracker::PostPaint(HDC hDC, const RECT& rcItem, const CDpiScale& scale) const
{
    if (IsDragging() && !m_bImmediateMode) CUIRender::DrawColor(hDC, GetThumbRect(rcItem, true, scale), kTrackColor);
}

} // namespace SkinUI
