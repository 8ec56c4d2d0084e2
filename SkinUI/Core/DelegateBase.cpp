#include "SkinUI/Core/DelegateBase.h"
#include <cstring>

namespace SkinUI {

CDelegateBase::CDelegateBase(void* pObject, const void* pFn, size_t fnSize)
    : m_pObject(pObject)
{
    std::memcpy(m_fn, pFn, fnSize < sizeof(m_fn) ? fnSize : sizeof(m_fn));
}

CDelegateBase::CDelegateBase(const CDelegateBase& other)
    : m_pObject(other.m_pObject)
{
    std::memcpy(m_fn, other.m_fn, sizeof(m_fn));
}

CDelegateBase::~CDelegateBase() = default;

bool CDelegateBase::Equals(const CDelegateBase& other) const
{
    return m_pObject == other.m_pObject && std::memcmp(m_fn, other.m_fn, sizeof(m_fn)) == 0;
}

void* CDelegateBase::GetObjectPtr() const
{
    return m_pObject;
}

} // namespace SkinUI
