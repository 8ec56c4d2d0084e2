#pragma once
#include "SkinUI/Utils/UIRect.h"

namespace SkinUI {

class CContainerUI;

// Places a container's visible children in a vertical or horizontal flow starting
// inside rcInner (floating ones by their fixed position); returns the content length.
int LayoutPlaceFlow(CContainerUI& container, const CUIRect& rcInner, bool bVertical);

} // namespace SkinUI
