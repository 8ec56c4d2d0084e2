#pragma once
#include <cstdint>
#include "SkinUI/Utils/UIString.h"

namespace SkinUI {

// String-keyed hash map of untyped pointers; owns its keys, never the data.
class CStringMapUI {
public:
    enum { kDefaultBuckets = 83 };

    CStringMapUI();
    CStringMapUI(const CStringMapUI&) = delete;
    CStringMapUI& operator=(const CStringMapUI&) = delete;
    ~CStringMapUI();

    static uint32_t HashKey(const char* key);

    void Resize(int buckets);
    void* Find(const char* key, bool moveToFront = true) const;
    bool Insert(const char* key, void* data);
    void* Set(const char* key, void* data);
    bool Remove(const char* key);
    const char* GetAt(int index) const;
    int GetSize() const;

private:
    struct TItem;

    void DeleteItems();
    TItem** BucketOf(const char* key) const;
    TItem* Lookup(const char* key, bool moveToFront) const;

    TItem** m_aT = nullptr;
    int m_nBuckets = 0;
    int m_nCount = 0;
};

} // namespace SkinUI
