#include "tests/SkinUI/support/GdiObjects.h"
#include <windows.h>
#include <intrin.h>

namespace SkinUI {

namespace {

// The process environment block's pointer to the table, one 24-byte entry per handle
// with the object's type in byte 14 (0 for a free entry).
constexpr int kTableOffset = 0xF8;
constexpr int kEntrySize = 24;
constexpr int kTypeOffset = 14;
constexpr int kEntries = 0x10000;

} // namespace

int CountGdiObjects()
{
    const auto* peb = reinterpret_cast<const unsigned char*>(__readgsqword(0x60));
    const auto* table = *reinterpret_cast<const unsigned char* const*>(peb + kTableOffset);
    if (table == nullptr) return -1;
    const DWORD self = ::GetCurrentProcessId();
    int count = 0;
    for (int i = 0; i < kEntries; ++i) {
        const unsigned char* entry = table + i * kEntrySize;
        const USHORT owner = *reinterpret_cast<const USHORT*>(entry + 8);
        if (entry[kTypeOffset] != 0 && (owner == 0 || owner == static_cast<USHORT>(self))) ++count;
    }
    return count;
}

} // namespace SkinUI
