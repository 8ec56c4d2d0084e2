#include "SkinUI/Core/ManagerShortcutSearch.h"
#include <cstring>
#include "SkinUI/Core/ControlUI.h"

namespace SkinUI {

CManagerShortcutSearch::CManagerShortcutSearch(char key)
    : m_chKey(ToUpper(key))
{}

CControlUI* CManagerShortcutSearch::Run(CControlUI* pRoot)
{
    if (pRoot == nullptr) return nullptr;
    // Document order (no top-first), so that a label's shortcut reaches the control after it.
    return pRoot->FindControl(&CManagerShortcutSearch::Visit, this, UIFIND_ENABLED | UIFIND_ME_FIRST);
}

char CManagerShortcutSearch::ToUpper(char ch)
{
    return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

CControlUI* CALLBACK CManagerShortcutSearch::Visit(CControlUI* pThis, LPVOID pData)
{
    return static_cast<CManagerShortcutSearch*>(pData)->Visit(pThis);
}

CControlUI* CManagerShortcutSearch::Visit(CControlUI* pThis)
{
    if (!pThis->IsVisible()) return nullptr;
    if (m_chKey != 0 && ToUpper(pThis->GetShortcut()) == m_chKey) m_bPickNext = true;
    if (std::strstr(pThis->GetClass(), "LabelUI") != nullptr) return nullptr;
    return m_bPickNext ? pThis : nullptr;
}

} // namespace SkinUI
