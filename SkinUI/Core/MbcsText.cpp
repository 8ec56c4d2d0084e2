#include "SkinUI/Core/MbcsText.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace SkinUI {

bool CMbcsText::IsLeadByte(unsigned char c)
{
#ifdef _WIN32
    return ::IsDBCSLeadByte(c) != FALSE;
#else
    return c >= 0x81 && c <= 0xFE;
#endif
}

int CMbcsText::CharLength(const char* p)
{
    if (p == nullptr || *p == '\0') return 0;
    if (IsLeadByte(static_cast<unsigned char>(*p)) && p[1] != '\0') return 2;
    return 1;
}

} // namespace SkinUI
