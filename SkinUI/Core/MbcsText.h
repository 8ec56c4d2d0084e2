#pragma once
#include <cstddef>
#include <string>

namespace SkinUI {

// Character stepping in GBK, the texts' code page, so that trail bytes are never
// taken for quotes, brackets or braces.
class CMbcsText {
public:
    static bool IsLeadByte(unsigned char c);
    // Bytes of the character at p: 0 at the terminator, never past it.
    static int CharLength(const char* p);
    // Names compared ignoring ASCII case; the bytes of double-byte characters
    // compare exactly, so a trail byte in 'A'..'Z' never matches its lower case.
    static bool EqualNoCase(const char* a, const char* b);
    // UTF-8 bytes as text of the process code page; what the code page lacks
    // (and what is no UTF-8) becomes "?".
    static std::string FromUtf8(const unsigned char* data, std::size_t length);
};

} // namespace SkinUI
