#pragma once

namespace SkinUI {

// Control state bits, shared by buttons, edits, combos, scroll bars and list items.
constexpr unsigned int UISTATE_FOCUSED = 0x00000001;
constexpr unsigned int UISTATE_SELECTED = 0x00000002;
constexpr unsigned int UISTATE_DISABLED = 0x00000004;
constexpr unsigned int UISTATE_HOT = 0x00000008;
constexpr unsigned int UISTATE_PUSHED = 0x00000010;
constexpr unsigned int UISTATE_CAPTURED = 0x00000040;

} // namespace SkinUI
