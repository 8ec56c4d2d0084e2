#include "SkinUI/Utils/StringMapUI.h"
#include <cstring>

namespace SkinUI {

struct CStringMapUI::TItem {
    explicit TItem(const char* key)
        : Key(key)
    {}
    CUIString Key;
    void* Data = nullptr;
    TItem* pPrev = nullptr;
    TItem* pNext = nullptr;
};

CStringMapUI::CStringMapUI()
{
    Resize(kDefaultBuckets);
}

CStringMapUI::~CStringMapUI()
{
    DeleteItems();
    delete[] m_aT;
}

// Bytes are taken as signed, so 0x80 and above count as negative.
uint32_t CStringMapUI::HashKey(const char* key)
{
    uint32_t hash = 0;
    for (size_t i = strlen(key); i > 0; --i) {
        hash = hash * 33 + static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(key[i - 1])));
    }
    return hash;
}

void CStringMapUI::DeleteItems()
{
    for (int i = 0; i < m_nBuckets; ++i) {
        TItem* item = m_aT[i];
        while (item != nullptr) {
            TItem* next = item->pNext;
            delete item;
            item = next;
        }
        m_aT[i] = nullptr;
    }
    m_nCount = 0;
}

void CStringMapUI::Resize(int buckets)
{
    DeleteItems();
    delete[] m_aT;
    m_aT = nullptr;
    m_nBuckets = 0;
    if (buckets <= 0) return;
    m_aT = new TItem*[buckets]();
    m_nBuckets = buckets;
}

CStringMapUI::TItem** CStringMapUI::BucketOf(const char* key) const
{
    return &m_aT[HashKey(key) % static_cast<uint32_t>(m_nBuckets)];
}

CStringMapUI::TItem* CStringMapUI::Lookup(const char* key, bool moveToFront) const
{
    if (key == nullptr || m_nBuckets == 0 || m_nCount == 0) return nullptr;
    TItem** head = BucketOf(key);
    for (TItem* item = *head; item != nullptr; item = item->pNext) {
        if (item->Key != key) continue;
        if (moveToFront && item != *head) {
            item->pPrev->pNext = item->pNext;
            if (item->pNext != nullptr) item->pNext->pPrev = item->pPrev;
            item->pPrev = nullptr;
            item->pNext = *head;
            (*head)->pPrev = item;
            *head = item;
        }
        return item;
    }
    return nullptr;
}

void* CStringMapUI::Find(const char* key, bool moveToFront) const
{
    TItem* item = Lookup(key, moveToFront);
    return item == nullptr ? nullptr : item->Data;
}

bool CStringMapUI::Insert(const char* key, void* data)
{
    if (key == nullptr || m_nBuckets == 0) return false;
    if (Lookup(key, true) != nullptr) return false;
    TItem** head = BucketOf(key);
    TItem* item = new TItem(key);
    item->Data = data;
    item->pNext = *head;
    if (*head != nullptr) (*head)->pPrev = item;
    *head = item;
    ++m_nCount;
    return true;
}

void* CStringMapUI::Set(const char* key, void* data)
{
    if (key == nullptr || m_nBuckets == 0) return data;
    TItem* item = Lookup(key, true);
    if (item == nullptr) {
        Insert(key, data);
        return nullptr;
    }
    void* old = item->Data;
    item->Data = data;
    return old;
}

bool CStringMapUI::Remove(const char* key)
{
    TItem* item = Lookup(key, false);
    if (item == nullptr) return false;
    if (item->pPrev != nullptr) {
        item->pPrev->pNext = item->pNext;
    } else {
        *BucketOf(key) = item->pNext;
    }
    if (item->pNext != nullptr) item->pNext->pPrev = item->pPrev;
    delete item;
    --m_nCount;
    return true;
}

const char* CStringMapUI::GetAt(int index) const
{
    if (index < 0) return nullptr;
    int seen = 0;
    for (int bucket = m_nBuckets - 1; bucket >= 0; --bucket) {
        for (TItem* item = m_aT[bucket]; item != nullptr; item = item->pNext) {
            if (seen++ == index) return item->Key.GetData();
        }
    }
    return nullptr;
}

int CStringMapUI::GetSize() const
{
    return m_nCount;
}

} // namespace SkinUI
