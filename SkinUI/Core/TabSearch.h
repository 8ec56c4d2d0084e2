#pragma once
#include <windows.h>

namespace SkinUI {

class CControlUI;

// One walk of the tab order over a control tree, as a FindControl predicate.
class CTabSearch {
public:
    CTabSearch(CControlUI* pStart, bool forward);

    // Forwards: the tab stop after the start, or the first one without a start.
    // Backwards: the tab stop before the start; none when the start is the first.
    CControlUI* Run(CControlUI* pRoot);
    CControlUI* GetLastTabStop() const;

private:
    static CControlUI* CALLBACK Visit(CControlUI* pThis, LPVOID pData);
    CControlUI* Visit(CControlUI* pThis);

    CControlUI* m_pStart = nullptr;
    CControlUI* m_pLast = nullptr;
    bool m_bForward = true;
    bool m_bNextIsIt = false;
};

} // namespace SkinUI
