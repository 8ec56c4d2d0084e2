#include "SkinUI/Layout/LayoutPlacement.h"
#include <vector>
#include "SkinUI/Control/ScrollBarUI.h"
#include "SkinUI/Core/ContainerUI.h"
#include "SkinUI/Layout/LayoutFlow.h"
#include "SkinUI/Utils/UIRectWin.h"

namespace SkinUI {

namespace {

// In skin lengths, as set on the control.
TFlowChild Describe(const CControlUI& control)
{
    TFlowChild child;
    child.rcPadding = ToUIRect(control.GetPadding());
    child.cxFixed = control.GetFixedWidth();
    child.cyFixed = control.GetFixedHeight();
    child.cxMin = control.GetMinWidth();
    child.cxMax = control.GetMaxWidth();
    child.cyMin = control.GetMinHeight();
    child.cyMax = control.GetMaxHeight();
    return child;
}

int VisiblePos(const CScrollBarUI* pBar)
{
    return pBar != nullptr && pBar->IsVisible() ? pBar->GetScrollPos() : 0;
}

int VisibleRange(const CScrollBarUI* pBar)
{
    return pBar != nullptr && pBar->IsVisible() ? pBar->GetScrollRange() : 0;
}

} // namespace

// The flow runs in skin lengths from the inner rectangle's skin edges, and only then are
// its edges scaled to window pixels: every edge falls where it falls at 96 DPI scaled, and
// lengths rounded one by one cannot add up past the container's end.
int LayoutPlaceFlow(CContainerUI& container, const CUIRect& rcInner, bool bVertical)
{
    const CDpiScale& scale = container.GetDpiScale();
    const CScrollBarUI* pVert = container.GetVerticalScrollBar();
    const CScrollBarUI* pHorz = container.GetHorizontalScrollBar();
    const CUIRect inner = scale.UnscaleRect(rcInner);
    TFlowParams params;
    params.bVertical = bVertical;
    params.szAvailable = CUISize(inner.GetWidth() + scale.Unscale(VisibleRange(pHorz)), inner.GetHeight());
    params.ptOrigin = CUIPoint(inner.left, inner.top);
    params.iChildPadding = container.GetChildPadding();
    const POINT scrolled = {VisiblePos(pHorz), bVertical ? VisiblePos(pVert) : 0};

    std::vector<CControlUI*> flowing;
    std::vector<TFlowChild> children;
    for (int i = 0; i < container.GetCount(); ++i) {
        CControlUI* pControl = container.GetItemAt(i);
        if (pControl->IsVisible() && !pControl->IsFloat()) {
            flowing.push_back(pControl);
            children.push_back(Describe(*pControl));
        }
    }
    // An estimate is in window pixels: it takes the skin length that covers it.
    const TFlowResult result = LayoutFlow(params, children, [&flowing, &scale](size_t i, CUISize available) {
        const SIZE size = flowing[i]->EstimateSize(SIZE{scale.Scale(available.cx), scale.Scale(available.cy)});
        return CUISize(scale.UnscaleToCover(size.cx), scale.UnscaleToCover(size.cy));
    });

    size_t next = 0;
    for (int i = 0; i < container.GetCount(); ++i) {
        CControlUI* pControl = container.GetItemAt(i);
        if (!pControl->IsVisible()) continue;
        if (pControl->IsFloat()) {
            container.SetFloatPos(i);
        } else if (next < result.rects.size()) {
            RECT rc = ToRECT(scale.ScaleRect(result.rects[next++]));
            ::OffsetRect(&rc, -scrolled.x, -scrolled.y);
            pControl->SetPos(rc);
        }
    }
    return scale.Scale(result.iNeeded);
}

} // namespace SkinUI
