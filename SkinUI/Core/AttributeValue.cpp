#include "SkinUI/Core/AttributeValue.h"
#include <climits>
#include <cstring>
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

bool CAttributeValue::ParseBool(const char* text)
{
    return CUIName::Equals(text, "true");
}

int CAttributeValue::ParseInt(const char* text, const char** end)
{
    if (end != nullptr) *end = text;
    if (text == nullptr) return 0;
    const char* p = text;
    while (IsBlank(*p)) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = (*p++ == '-');
    if (*p < '0' || *p > '9') return 0;
    long long value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        if (value <= static_cast<long long>(INT_MAX) + 1) value = value * 10 + (*p - '0');
    }
    if (end != nullptr) *end = p;
    if (negative) return value > static_cast<long long>(INT_MAX) + 1 ? INT_MIN : static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

unsigned int CAttributeValue::ParseColor(const char* text, bool skipBlanks)
{
    if (text == nullptr) return 0;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    if (skipBlanks) {
        while (*p >= 1 && *p <= 32) ++p;
    }
    if (*p == '#') ++p;
    unsigned long long value = 0;
    for (int digit = HexDigit(static_cast<char>(*p)); digit >= 0; digit = HexDigit(static_cast<char>(*++p))) {
        if (value <= 0xFFFFFFFFull) value = value * 16 + static_cast<unsigned>(digit);
    }
    return value > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<unsigned int>(value);
}

void CAttributeValue::ParseList(const char* text, int* values, int count)
{
    const char* p = text;
    for (int i = 0; i < count; ++i) {
        if (p == nullptr || *p == '\0') {
            values[i] = 0;
            continue;
        }
        const char* end = p;
        values[i] = ParseInt(p, &end);
        p = (*end == '\0') ? end : end + 1;
    }
}

bool CAttributeValue::HasComma(const char* text)
{
    return text != nullptr && std::strchr(text, ',') != nullptr;
}

bool CAttributeValue::ReadNumbers(const char* text, int* values, int count)
{
    const char* p = text;
    for (int i = 0; i < count; ++i) {
        const char* end = p;
        values[i] = ParseInt(p, &end);
        if (end == p) return false;
        p = end;
        if (*p == '\0') return i == count - 1;
        ++p;
    }
    return true;
}

bool CAttributeValue::ReadColor(const char* text, unsigned int& color)
{
    const char* p = text + (*text == '#' ? 1 : 0);
    if (*p == '\0' || std::strchr("0123456789abcdefABCDEF", *p) == nullptr) return false;
    color = ParseColor(text);
    return true;
}

} // namespace SkinUI
