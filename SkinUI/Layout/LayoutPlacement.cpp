#include "SkinUI/Layout/LayoutPlacement.h"
#include <vector>
#include "SkinUI/Control/ScrollBarUI.h"
#include "SkinUI/Core/ContainerUI.h"
#include "SkinUI/Layout/LayoutFlow.h"

namespace SkinUI {

namespace {

// In window pixels: the control's skin lengths at its window's DPI.
TFlowChild Describe(const CControlUI& control) {
    const CDpiScale& scale = control.GetDpiScale();
    TFlowChild child;
    child.rcPadding = scale.ScaleRect(control.GetPadding());
    child.cxFixed = scale.Scale(control.GetFixedWidth());
    child.cyFixed = scale.Scale(control.GetFixedHeight());
    child.cxMin = scale.Scale(control.GetMinWidth());
    child.cxMax = scale.Scale(control.GetMaxWidth());
    child.cyMin = scale.Scale(control.GetMinHeight());
    child.cyMax = scale.Scale(control.GetMaxHeight());
    return child;
}

int VisiblePos(const CScrollBarUI* pBar) {
    return pBar != nullptr && pBar->IsVisible() ? pBar->GetScrollPos() : 0;
}

int VisibleRange(const CScrollBarUI* pBar) {
    return pBar != nullptr && pBar->IsVisible() ? pBar->GetScrollRange() : 0;
}

}  // namespace

int LayoutPlaceFlow(CContainerUI& container, const RECT& rcInner, bool bVertical) {
    const CScrollBarUI* pVert = container.GetVerticalScrollBar();
    const CScrollBarUI* pHorz = container.GetHorizontalScrollBar();
    TFlowParams params;
    params.bVertical = bVertical;
    params.szAvailable = {rcInner.right - rcInner.left + VisibleRange(pHorz), rcInner.bottom - rcInner.top};
    params.ptOrigin = {rcInner.left - VisiblePos(pHorz), rcInner.top - (bVertical ? VisiblePos(pVert) : 0)};
    params.iChildPadding = container.GetDpiScale().Scale(container.GetChildPadding());

    std::vector<CControlUI*> flowing;
    std::vector<TFlowChild> children;
    for (int i = 0; i < container.GetCount(); ++i) {
        CControlUI* pControl = container.GetItemAt(i);
        if (pControl->IsVisible() && !pControl->IsFloat()) {
            flowing.push_back(pControl);
            children.push_back(Describe(*pControl));
        }
    }
    const TFlowResult result =
        LayoutFlow(params, children, [&flowing](size_t i, SIZE available) { return flowing[i]->EstimateSize(available); });

    size_t next = 0;
    for (int i = 0; i < container.GetCount(); ++i) {
        CControlUI* pControl = container.GetItemAt(i);
        if (!pControl->IsVisible())
            continue;
        if (pControl->IsFloat())
            container.SetFloatPos(i);
        else if (next < result.rects.size())
            pControl->SetPos(result.rects[next++]);
    }
    return result.iNeeded;
}

}  // namespace SkinUI
