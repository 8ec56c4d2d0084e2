#pragma once
#include <windows.h>
#include "SkinUI/Utils/UIString.h"

namespace SkinUI {

class CControlUI;

// A notification from a control to the window's listeners ("click", "setfocus", ...).
struct TNotifyMsg {
    CUIString sType;
    CUIString sVirtualWnd;
    CControlUI* pSender = nullptr;
    DWORD dwTimestamp = 0;
    POINT ptMouse = {0, 0};
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

} // namespace SkinUI
