#pragma once
#include <windows.h>

namespace SkinUI {

// Sees window messages before the paint manager; setting handled ends their processing.
class IMessageFilterUI {
public:
    virtual LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) = 0;

protected:
    virtual ~IMessageFilterUI() = default;
};

} // namespace SkinUI
