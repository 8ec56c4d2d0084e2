#pragma once
#include <string>

namespace SkinUI {

// The program's texts are GBK (code page 936) whatever code page the system runs in;
// at the system's wide-character interfaces they become UTF-16, and what comes back
// becomes GBK again ("?" for what GBK cannot hold).
class CGbkText {
public:
    // bytes < 0: up to the terminator. A null text gives the empty text.
    static std::wstring ToWide(const char* gbk, int bytes = -1);
    static std::string FromWide(const wchar_t* wide, int length = -1);
};

} // namespace SkinUI
