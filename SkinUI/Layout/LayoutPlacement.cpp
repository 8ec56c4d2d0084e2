#include "SkinUI/Layout/LayoutPlacement.h"
#include <vector>
#include "SkinUI/Control/ScrollBarUI.h"
#include "SkinUI/Core/ContainerUI.h"
#include "SkinUI/Layout/LayoutFlow.h"
#include "SkinUI/Utils/UIRectWin.h"

namespace SkinUI {

namespace {

TFlowChild Describe(const CControlUI& control) {
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

int VisiblePos(const CScrollBarUI* pBar) {
    return pBar != nullptr && pBar->IsVisible() ? pBar->GetScrollPos() : 0;
}

int VisibleRange(const CScrollBarUI* pBar) {
    return pBar != nullptr && pBar->IsVisible() ? pBar->GetScrollRange() : 0;
}

}  // namespace

int LayoutPlaceFlow(CContainerUI& container, const CUIRect& rcInner, bool bVertical) {
    const CScrollBarUI* pVert = container.GetVerticalScrollBar();
    const CScrollBarUI* pHorz = container.GetHorizontalScrollBar();
    TFlowParams params;
    params.bVertical = bVertical;
    params.szAvailable = CUISize(rcInner.GetWidth() + VisibleRange(pHorz), rcInner.GetHeight());
    params.ptOrigin = CUIPoint(rcInner.left - VisiblePos(pHorz), rcInner.top - (bVertical ? VisiblePos(pVert) : 0));
    params.iChildPadding = container.GetChildPadding();

    std::vector<CControlUI*> flowing;
    std::vector<TFlowChild> children;
    for (int i = 0; i < container.GetCount(); ++i) {
        CControlUI* pControl = container.GetItemAt(i);
        if (pControl->IsVisible() && !pControl->IsFloat()) {
            flowing.push_back(pControl);
            children.push_back(Describe(*pControl));
        }
    }
    const TFlowResult result = LayoutFlow(params, children, [&flowing](size_t i, CUISize available) {
        return ToUISize(flowing[i]->EstimateSize(ToSIZE(available)));
    });

    size_t next = 0;
    for (int i = 0; i < container.GetCount(); ++i) {
        CControlUI* pControl = container.GetItemAt(i);
        if (!pControl->IsVisible())
            continue;
        if (pControl->IsFloat())
            container.SetFloatPos(i);
        else if (next < result.rects.size())
            pControl->SetPos(ToRECT(result.rects[next++]));
    }
    return result.iNeeded;
}

}  // namespace SkinUI
