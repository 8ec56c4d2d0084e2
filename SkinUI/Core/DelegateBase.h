#pragma once
#include <cstddef>

namespace SkinUI {

// One callback held by an event source: an object and a function, both opaque here.
class CDelegateBase {
public:
    explicit CDelegateBase(void* pObject, const void* pFn, size_t fnSize);
    CDelegateBase(const CDelegateBase& other);
    CDelegateBase& operator=(const CDelegateBase&) = delete;
    virtual ~CDelegateBase();
    virtual CDelegateBase* Copy() const = 0;
    virtual bool Invoke(void* param) = 0;

    bool Equals(const CDelegateBase& other) const;

protected:
    void* GetObjectPtr() const;

private:
    // Member-function pointers can be wider than a data pointer.
    enum { kFnBytes = 4 * sizeof(void*) };

    void* m_pObject = nullptr;
    unsigned char m_fn[kFnBytes] = {};
};

} // namespace SkinUI
