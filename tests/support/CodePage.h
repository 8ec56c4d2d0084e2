#pragma once

#ifdef _WIN32
#include <windows.h>
#endif

// Whether the process code page is GBK (936), which the double-byte cases
// need. The native build always steps over GBK characters.
inline bool IsGbkCodePage()
{
#ifdef _WIN32
    return ::GetACP() == 936;
#else
    return true;
#endif
}
