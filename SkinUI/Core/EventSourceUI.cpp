#include "SkinUI/Core/EventSourceUI.h"

namespace SkinUI {

CEventSourceUI::~CEventSourceUI()
{
    for (int i = 0; i < m_aDelegates.GetSize(); ++i) delete GetAt(i);
}

bool CEventSourceUI::IsEmpty() const
{
    return m_aDelegates.IsEmpty();
}

int CEventSourceUI::GetCount() const
{
    return m_aDelegates.GetSize();
}

void CEventSourceUI::Add(const CDelegateBase& d)
{
    for (int i = 0; i < m_aDelegates.GetSize(); ++i) {
        if (GetAt(i)->Equals(d)) return;
    }
    m_aDelegates.Add(d.Copy());
}

CEventSourceUI& CEventSourceUI::operator+=(const CDelegateBase& d)
{
    Add(d);
    return *this;
}

bool CEventSourceUI::Invoke(void* param)
{
    for (int i = 0; i < m_aDelegates.GetSize(); ++i) {
        if (!GetAt(i)->Invoke(param)) return false;
    }
    return true;
}

CDelegateBase* CEventSourceUI::GetAt(int index) const
{
    return static_cast<CDelegateBase*>(m_aDelegates.GetAt(index));
}

} // namespace SkinUI
