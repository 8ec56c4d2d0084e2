#pragma once
#include <windows.h>
#include "SkinUI/Core/DpiScale.h"
#include "SkinUI/Core/EventMsg.h"

namespace SkinUI {

class CControlUI;

// The draggable strip that resizes a vertical (or horizontal) layout.
class CLayoutSeparatorTracker {
public:
    explicit CLayoutSeparatorTracker(bool bVertical);

    int GetSize() const;
    void SetSize(int iSize);
    bool IsImmediate() const;
    void SetImmediate(CControlUI& layout, bool bImmediate);
    bool IsDragging() const;

    // From the item rectangle, or from the position being dragged to; the size is a
    // skin length, drawn at the layout's scale.
    RECT GetThumbRect(const RECT& rcItem, bool bUseNewPos, const CDpiScale& scale) const;

    // The separator's share of the layout's events; false passes the event on.
    // rcItem and cxyFixed are the layout's own item rectangle and fixed size.
    bool HandleEvent(CControlUI& layout, const TEventMsg& event, RECT& rcItem, SIZE& cxyFixed);
    void PostPaint(HDC hDC, const RECT& rcItem, const CDpiScale& scale) const;

private:
    bool OnSetCursor(const CControlUI& layout, const TEventMsg& event, const RECT& rcItem) const;
    bool OnButtonDown(CControlUI& layout, const TEventMsg& event, const RECT& rcItem);
    void OnMouseMove(CControlUI& layout, const TEventMsg& event, RECT& rcItem, SIZE& cxyFixed);
    void OnButtonUp(CControlUI& layout, RECT& rcItem);

    bool m_bVertical = true;
    int m_iSepSize = 0;
    UINT m_uButtonState = 0;
    POINT m_ptLastMouse = {0, 0};
    RECT m_rcNewPos = {0, 0, 0, 0};
    bool m_bImmediateMode = false;
};

} // namespace SkinUI
