#include "SkinUI/Utils/GbkText.h"
#include <windows.h>
#include <cstring>
#include <cwchar>

namespace SkinUI {

namespace {

constexpr UINT kGbk = 936;

} // namespace

std::wstring CGbkText::ToWide(const char* gbk, int bytes)
{
    if (gbk == nullptr) return std::wstring();
    if (bytes < 0) bytes = static_cast<int>(std::strlen(gbk));
    if (bytes == 0) return std::wstring();
    const int length = ::MultiByteToWideChar(kGbk, 0, gbk, bytes, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(kGbk, 0, gbk, bytes, &wide[0], length);
    return wide;
}

std::string CGbkText::FromWide(const wchar_t* wide, int length)
{
    if (wide == nullptr) return std::string();
    if (length < 0) length = static_cast<int>(std::wcslen(wide));
    if (length == 0) return std::string();
    // No best fit: a character GBK lacks shows as "?" instead of a look-alike.
    const int bytes = ::WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0, "?", nullptr);
    if (bytes <= 0) return std::string();
    std::string gbk(static_cast<size_t>(bytes), '\0');
    ::WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, wide, length, &gbk[0], bytes, "?", nullptr);
    return gbk;
}

} // namespace SkinUI
