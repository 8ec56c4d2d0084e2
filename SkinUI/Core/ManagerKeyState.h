#pragma once
#include <windows.h>

namespace SkinUI {

// The key-state word of keyboard-made events.
class CManagerKeyState {
public:
    static WORD Assemble(bool control, bool lbutton, bool rbutton, bool shift, bool alt);
    static WORD Current();
};

} // namespace SkinUI
