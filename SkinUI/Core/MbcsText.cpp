#include "SkinUI/Core/MbcsText.h"

#ifdef _WIN32
#include <windows.h>
#include "SkinUI/Utils/GbkText.h"
#else
#include <iconv.h>
#endif

namespace SkinUI {

namespace {

char ToLowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

#ifndef _WIN32

// The code point of the UTF-8 sequence at data, or -1 for bytes that are none;
// length receives the bytes taken.
long DecodeUtf8(const unsigned char* data, std::size_t left, std::size_t& length)
{
    length = 1;
    const unsigned char lead = data[0];
    if (lead < 0x80) return lead;
    std::size_t trail = 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        trail = 1;
    else if (lead >= 0xE0 && lead <= 0xEF)
        trail = 2;
    else if (lead >= 0xF0 && lead <= 0xF4)
        trail = 3;
    if (trail == 0 || trail >= left) return -1;
    long point = lead & (0x3F >> trail);
    for (std::size_t i = 1; i <= trail; ++i) {
        if ((data[i] & 0xC0) != 0x80) return -1;
        point = (point << 6) | (data[i] & 0x3F);
    }
    const long smallest[] = {0, 0x80, 0x800, 0x10000};
    if (point < smallest[trail] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) return -1;
    length = trail + 1;
    return point;
}

#endif

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

#ifdef _WIN32

std::string CMbcsText::FromUtf8(const unsigned char* data, std::size_t length)
{
    const char* src = reinterpret_cast<const char*>(data);
    const int count = static_cast<int>(length);
    const int wide = count > 0 ? ::MultiByteToWideChar(CP_UTF8, 0, src, count, nullptr, 0) : 0;
    if (wide <= 0) return std::string();
    std::wstring utf16(static_cast<size_t>(wide), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, src, count, &utf16[0], wide);
    return CGbkText::FromWide(utf16.data(), wide);
}

#else

// The native build's code page is GBK, as the lead bytes above assume.
std::string CMbcsText::FromUtf8(const unsigned char* data, std::size_t length)
{
    std::string text;
    iconv_t toGbk = ::iconv_open("GBK", "UTF-8");
    for (std::size_t pos = 0; pos < length;) {
        std::size_t taken = 1;
        const long point = DecodeUtf8(data + pos, length - pos, taken);
        char out[4];
        char* in = reinterpret_cast<char*>(const_cast<unsigned char*>(data + pos));
        char* to = out;
        std::size_t inLeft = taken;
        std::size_t outLeft = sizeof out;
        if (point < 0x80) {
            text += point < 0 ? '?' : static_cast<char>(point);
        } else if (toGbk != reinterpret_cast<iconv_t>(-1) && ::iconv(toGbk, &in, &inLeft, &to, &outLeft) == 0) {
            text.append(out, to);
        } else {
            text += '?';
            if (toGbk != reinterpret_cast<iconv_t>(-1)) ::iconv(toGbk, nullptr, nullptr, nullptr, nullptr);
        }
        pos += taken;
    }
    if (toGbk != reinterpret_cast<iconv_t>(-1)) ::iconv_close(toGbk);
    return text;
}

#endif

} // namespace SkinUI
