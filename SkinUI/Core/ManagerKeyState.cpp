#include "SkinUI/Core/ManagerKeyState.h"
#include "SkinUI/Core/EventMsg.h"

namespace SkinUI {

namespace {
bool IsDown(int key)
{
    return ::GetKeyState(key) < 0;
}
} // namespace

WORD CManagerKeyState::Assemble(bool control, bool lbutton, bool rbutton, bool shift, bool alt)
{
    WORD state = 0;
    if (control) state |= UIKEYSTATE_CONTROL;
    if (lbutton) state |= UIKEYSTATE_LBUTTON;
    if (rbutton) state |= UIKEYSTATE_RBUTTON;
    if (shift) state |= UIKEYSTATE_SHIFT;
    if (alt) state |= UIKEYSTATE_ALT;
    return state;
}

WORD CManagerKeyState::Current()
{
    return Assemble(IsDown(VK_CONTROL), IsDown(VK_LBUTTON), IsDown(VK_RBUTTON), IsDown(VK_SHIFT), IsDown(VK_MENU));
}

} // namespace SkinUI
