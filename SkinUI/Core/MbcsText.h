#pragma once

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
};

} // namespace SkinUI
