#pragma once
#include "SkinUI/Utils/UIString.h"

namespace SkinUI {

// The built-in skin of every window: caption band, round corners, fonts, the vertical
// scroll bar's default images and an empty body layout named "main", at the given size.
CUIString WindowSkinMarkup(int cx, int cy);

} // namespace SkinUI
