#pragma once

namespace SkinUI {

// Character stepping in the process code page, so that trail bytes are never
// taken for quotes, brackets or braces.
class CMbcsText {
public:
    static bool IsLeadByte(unsigned char c);
    // Bytes of the character at p: 0 at the terminator, never past it.
    static int CharLength(const char* p);
};

} // namespace SkinUI
