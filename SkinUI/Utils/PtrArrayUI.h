#pragma once

namespace SkinUI {

// Growable array of untyped pointers; never owns what they point to.
class CPtrArrayUI {
public:
    explicit CPtrArrayUI(int preallocate = 0);
    CPtrArrayUI(const CPtrArrayUI& other);
    CPtrArrayUI& operator=(const CPtrArrayUI&) = delete;
    ~CPtrArrayUI();

    void Empty();
    void Resize(int size);
    bool IsEmpty() const;
    int Find(void* item) const;
    bool Add(void* item);
    bool InsertAt(int index, void* item);
    bool Remove(int index);
    int GetSize() const;
    int GetCapacity() const;
    void** GetData() const;
    void* GetAt(int index) const;
    void* operator[](int index) const;

private:
    bool Grow();

    void** m_ppVoid = nullptr;
    int m_nCount = 0;
    int m_nAllocated = 0;
};

} // namespace SkinUI
