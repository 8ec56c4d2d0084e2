#pragma once
#include "SkinUI/Core/DelegateBase.h"

namespace SkinUI {

// Binds an object to one of its member functions taking the source's parameter.
template <class T> class CDelegate : public CDelegateBase {
public:
    typedef bool (T::*Fn)(void*);

    explicit CDelegate(T* pObject, Fn pFn)
        : CDelegateBase(pObject, &pFn, sizeof(Fn))
        , m_pFn(pFn)
    {
        static_assert(sizeof(Fn) <= 4 * sizeof(void*), "member function pointer too wide");
    }

    CDelegateBase* Copy() const override { return new CDelegate(*this); }

    bool Invoke(void* param) override
    {
        T* pObject = static_cast<T*>(GetObjectPtr());
        return (pObject->*m_pFn)(param);
    }

private:
    Fn m_pFn = nullptr;
};

template <class T> CDelegate<T> MakeDelegate(T* pObject, bool (T::*pFn)(void*))
{
    return CDelegate<T>(pObject, pFn);
}

} // namespace SkinUI
