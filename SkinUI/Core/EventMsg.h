#pragma once
#include <windows.h>

namespace SkinUI {

class CControlUI;

// Numbers are a contract with CControlUI::IsMouseEvent: kind > UIEVENT__MOUSEBEGIN and
// kind < UIEVENT__MOUSEEND is a mouse event. The delimiters are never sent.
enum EEventKind {
    UIEVENT__KEYBEGIN = 2,
    UIEVENT_KEYDOWN = 3,
    UIEVENT_KEYUP = 4,
    UIEVENT_CHAR = 5,
    UIEVENT_SYSKEY = 6,
    UIEVENT__KEYEND = 7,
    UIEVENT__MOUSEBEGIN = 8,
    UIEVENT_MOUSEMOVE = 9,
    UIEVENT_MOUSELEAVE = 10,
    UIEVENT_MOUSEENTER = 11,
    UIEVENT_MOUSEHOVER = 12,
    UIEVENT_BUTTONDOWN = 13,
    UIEVENT_BUTTONUP = 14,
    UIEVENT_RBUTTONDOWN = 15,
    UIEVENT_DBLCLICK = 16,
    UIEVENT_CONTEXTMENU = 17,
    UIEVENT_SCROLLWHEEL = 18,
    UIEVENT__MOUSEEND = 19,
    UIEVENT_KILLFOCUS = 20,
    UIEVENT_SETFOCUS = 21,
    UIEVENT_WINDOWSIZE = 22,
    UIEVENT_SETCURSOR = 23,
    UIEVENT_TIMER = 24,
};

// Key-state bits of an event.
enum EKeyState : WORD {
    UIKEYSTATE_LBUTTON = 1,
    UIKEYSTATE_RBUTTON = 2,
    UIKEYSTATE_SHIFT = 4,
    UIKEYSTATE_CONTROL = 8,
    UIKEYSTATE_ALT = 32,
};

// An input event for one control.
struct TEventMsg {
    int Type = 0;
    CControlUI* pSender = nullptr;
    DWORD dwTimestamp = 0;
    POINT ptMouse = {0, 0};
    char chKey = 0;
    WORD wKeyState = 0;
    // Pointer-sized: a context-menu event carries the click control in lParam.
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

} // namespace SkinUI
