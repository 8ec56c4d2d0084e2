#include "SkinUI/Core/MbcsText.h"

namespace SkinUI {

namespace {

char ToLowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

// The texts are GBK whatever the system's code page is.
bool CMbcsText::IsLeadByte(unsigned char c)
{
    return c >= 0x81 && c <= 0xFE;
}

int CMbcsText::CharLength(const char* p)
{
    if (p == nullptr || *p == '\0') return 0;
    if (IsLeadByte(static_cast<unsigned char>(*p)) && p[1] != '\0') return 2;
    return 1;
}

bool CMbcsText::EqualNoCase(const char* a, const char* b)
{
    if (a == nullptr || b == nullptr) return a == b;
    while (*a != '\0' && *b != '\0') {
        const int length = CharLength(a);
        if (length != CharLength(b)) return false;
        if (length == 2) {
            if (a[0] != b[0] || a[1] != b[1]) return false;
        } else if (ToLowerAscii(*a) != ToLowerAscii(*b)) {
            return false;
        }
        a += length;
        b += length;
    }
    return *a == *b;
}

} // namespace SkinUI
