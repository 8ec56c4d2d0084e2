#pragma once
#include "SkinUI/Utils/UIRect.h"

namespace SkinUI {

// Whether a client point lies in the caption band: the caption rectangle's left and right
// are insets from the client edges, its top and bottom are offsets from the client top.
bool CaptionContains(const CUIRect& rcClient, const CUIRect& rcCaption, const CUIPoint& pt);

// Whether the window may be dragged from a control of this class and these control flags;
// buttons, options, text and every control that takes focus or cursor events keep the mouse.
bool CaptionDragsOver(const char* pstrClass, unsigned int controlFlags);

} // namespace SkinUI
