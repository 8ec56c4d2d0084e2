#include "SkinUI/Utils/PtrArrayUI.h"
#include <climits>
#include <cstdlib>
#include <cstring>

namespace SkinUI {

CPtrArrayUI::CPtrArrayUI(int preallocate)
{
    if (preallocate >= 1) {
        m_ppVoid = static_cast<void**>(malloc(preallocate * sizeof(void*)));
        if (m_ppVoid != nullptr) m_nAllocated = preallocate;
    }
}

CPtrArrayUI::CPtrArrayUI(const CPtrArrayUI& other)
{
    for (int i = 0; i < other.GetSize(); ++i) Add(other.GetAt(i));
}

CPtrArrayUI::~CPtrArrayUI()
{
    free(m_ppVoid);
}

void CPtrArrayUI::Empty()
{
    free(m_ppVoid);
    m_ppVoid = nullptr;
    m_nCount = 0;
    m_nAllocated = 0;
}

void CPtrArrayUI::Resize(int size)
{
    Empty();
    if (size <= 0) return;
    m_ppVoid = static_cast<void**>(calloc(size, sizeof(void*)));
    if (m_ppVoid == nullptr) return;
    m_nCount = size;
    m_nAllocated = size;
}

bool CPtrArrayUI::IsEmpty() const
{
    return m_nCount == 0;
}

int CPtrArrayUI::Find(void* item) const
{
    for (int i = 0; i < m_nCount; ++i) {
        if (m_ppVoid[i] == item) return i;
    }
    return -1;
}

// Keeps one slot spare: grows once the new count reaches the capacity.
bool CPtrArrayUI::Grow()
{
    if (m_nCount + 1 < m_nAllocated) return true;
    if (m_nAllocated > INT_MAX / 2) return false;
    const int capacity = m_nAllocated == 0 ? 11 : m_nAllocated * 2;
    void** block = static_cast<void**>(realloc(m_ppVoid, capacity * sizeof(void*)));
    if (block == nullptr) return false;
    m_ppVoid = block;
    m_nAllocated = capacity;
    return true;
}

bool CPtrArrayUI::Add(void* item)
{
    if (!Grow()) return false;
    m_ppVoid[m_nCount++] = item;
    return true;
}

bool CPtrArrayUI::InsertAt(int index, void* item)
{
    if (index == m_nCount) return Add(item);
    if (index < 0 || index > m_nCount) return false;
    if (!Grow()) return false;
    memmove(&m_ppVoid[index + 1], &m_ppVoid[index], (m_nCount - index) * sizeof(void*));
    m_ppVoid[index] = item;
    ++m_nCount;
    return true;
}

bool CPtrArrayUI::Remove(int index)
{
    if (index < 0 || index >= m_nCount) return false;
    --m_nCount;
    memmove(&m_ppVoid[index], &m_ppVoid[index + 1], (m_nCount - index) * sizeof(void*));
    return true;
}

int CPtrArrayUI::GetSize() const
{
    return m_nCount;
}

int CPtrArrayUI::GetCapacity() const
{
    return m_nAllocated;
}

void** CPtrArrayUI::GetData() const
{
    return m_ppVoid;
}

void* CPtrArrayUI::GetAt(int index) const
{
    if (index < 0 || index >= m_nCount) return nullptr;
    return m_ppVoid[index];
}

void* CPtrArrayUI::operator[](int index) const
{
    return GetAt(index);
}

} // namespace SkinUI
