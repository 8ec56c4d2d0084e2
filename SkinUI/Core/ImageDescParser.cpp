#include "SkinUI/Core/ImageDescParser.h"
#include <cstdlib>
#include "SkinUI/Core/AttributeValue.h"
#include "SkinUI/Core/MbcsText.h"

namespace SkinUI {

namespace {

bool IsSpace(char c)
{
    return c >= 1 && c <= 32;
}

const char* SkipSpaces(const char* p)
{
    while (IsSpace(*p)) ++p;
    return p;
}

bool IsKeyChar(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    return u >= 33 && u < 0x80 && c != '=';
}

} // namespace

CImageDescParser::CImageDescParser(const char* text)
    : m_p(text)
{}

bool CImageDescParser::Next(std::string& key, std::string& value)
{
    if (m_p == nullptr) return false;
    const char* p = m_p;
    m_p = nullptr;
    if (!m_bFirst && *p != ' ') return false;
    p = SkipSpaces(p);
    const char* keyStart = p;
    while (IsKeyChar(*p)) ++p;
    key.assign(keyStart, p);
    p = SkipSpaces(p);
    if (*p != '=') return false;
    p = SkipSpaces(p + 1);
    if (*p != '\'') return false;
    const char* valueStart = ++p;
    while (*p != '\0' && *p != '\'') p += CMbcsText::CharLength(p);
    if (*p != '\'') return false;
    value.assign(valueStart, p);
    m_p = p + 1;
    m_bFirst = false;
    return true;
}

CUIRect CImageDescParser::ParseRect(const char* text)
{
    int edges[4] = {0, 0, 0, 0};
    const char* p = text;
    for (int i = 0; i < 4 && p != nullptr && *p != '\0'; ++i) {
        const char* end = nullptr;
        edges[i] = CAttributeValue::ParseInt(p, &end);
        if (end == p) break;
        p = end;
        while (*p == ',' || *p == ' ') ++p;
    }
    return CUIRect(edges[0], edges[1], edges[2], edges[3]);
}

unsigned int CImageDescParser::ParseColor(const char* text)
{
    if (text == nullptr) return 0;
    while (*text == ' ') ++text;
    if (*text == '#') ++text;
    // Past 32 bits the colour saturates, whatever the width of long.
    const unsigned long long value = std::strtoull(text, nullptr, 16);
    return value > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<unsigned int>(value);
}

} // namespace SkinUI
