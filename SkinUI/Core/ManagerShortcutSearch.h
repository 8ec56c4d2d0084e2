#pragma once
#include <windows.h>

namespace SkinUI {

class CControlUI;

// Finds the control an Alt shortcut lands on, as a FindControl predicate: the control
// carrying the shortcut, or for a label the next visible control in document order.
class CManagerShortcutSearch {
public:
    explicit CManagerShortcutSearch(char key);

    CControlUI* Run(CControlUI* pRoot);
    static char ToUpper(char ch);

private:
    static CControlUI* CALLBACK Visit(CControlUI* pThis, LPVOID pData);
    CControlUI* Visit(CControlUI* pThis);

    char m_chKey = 0;
    bool m_bPickNext = false;
};

} // namespace SkinUI
