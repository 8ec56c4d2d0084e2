#pragma once
#include <windows.h>

namespace SkinUI {

// Whether a client point lies in the caption band: the caption rectangle's left and right
// are insets from the client edges, its top and bottom are offsets from the client top.
bool CaptionContains(const RECT& rcClient, const RECT& rcCaption, POINT pt);

// Whether the window may be dragged from a control of this class and these control flags;
// buttons, options, text and every control that takes focus or cursor events keep the mouse.
bool CaptionDragsOver(const char* pstrClass, UINT controlFlags);

// HTCAPTION or HTCLIENT for a point and the control under it (class null: no control).
LRESULT CaptionHitTest(const RECT& rcClient, const RECT& rcCaption, POINT pt, const char* pstrClass,
                       UINT controlFlags);

}  // namespace SkinUI
