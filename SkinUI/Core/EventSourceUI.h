#pragma once
#include "SkinUI/Core/DelegateBase.h"
#include "SkinUI/Utils/PtrArrayUI.h"

namespace SkinUI {

// The delegates listening to one kind of happening of a control; owns copies of them.
class CEventSourceUI {
public:
    CEventSourceUI() = default;
    CEventSourceUI(const CEventSourceUI&) = delete;
    CEventSourceUI& operator=(const CEventSourceUI&) = delete;
    ~CEventSourceUI();

    bool IsEmpty() const;
    int GetCount() const;
    // A delegate equal to one already held is not added again.
    void Add(const CDelegateBase& d);
    CEventSourceUI& operator+=(const CDelegateBase& d);
    // Calls in insertion order; the first false result stops and is returned.
    bool Invoke(void* param);

private:
    CDelegateBase* GetAt(int index) const;

    CPtrArrayUI m_aDelegates;
};

} // namespace SkinUI
