#include "tests/SkinUI/support/GdiObjects.h"
#include <windows.h>
#include <intrin.h>

namespace SkinUI {

int CountGdiObjects()
{
    // The process environment block's pointer to the table, one 24-byte entry per handle
    // with its owner in bytes 8-9 and the object's type in byte 14 (0 for a free entry).
    const auto* peb = reinterpret_cast<const unsigned char*>(__readgsqword(0x60));
    const auto* table = *reinterpret_cast<const unsigned char* const*>(peb + 0xF8);
    if (table == nullptr) return -1;
    const auto self = static_cast<USHORT>(::GetCurrentProcessId());
    int count = 0;
    for (const unsigned char* entry = table; entry < table + 0x10000 * 24; entry += 24) {
        const USHORT owner = *reinterpret_cast<const USHORT*>(entry + 8);
        if (entry[14] != 0 && (owner == 0 || owner == self)) ++count;
    }
    return count;
}

} // namespace SkinUI
