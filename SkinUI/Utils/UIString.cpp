#include "SkinUI/Utils/UIString.h"
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace SkinUI {

namespace {
const int kHeapThreshold = CUIString::kInlineSize - 1;
}

CUIString::CUIString() = default;

CUIString::CUIString(const char* text, int length)
{
    Assign(text, length);
}

CUIString::CUIString(const CUIString& other)
{
    Assign(other.m_pstr, other.GetLength());
}

CUIString::~CUIString()
{
    FreeHeap();
}

CUIString& CUIString::operator=(const CUIString& other)
{
    if (this != &other) Assign(other.m_pstr, other.GetLength());
    return *this;
}

CUIString& CUIString::operator=(const char* text)
{
    Assign(text);
    return *this;
}

CUIString& CUIString::operator+=(const CUIString& other)
{
    if (this == &other) {
        CUIString copy(other);
        Append(copy.m_pstr);
    } else {
        Append(other.m_pstr);
    }
    return *this;
}

CUIString& CUIString::operator+=(const char* text)
{
    Append(text);
    return *this;
}

CUIString CUIString::operator+(const CUIString& other) const
{
    CUIString result(*this);
    result.Append(other.m_pstr);
    return result;
}

CUIString CUIString::operator+(const char* text) const
{
    CUIString result(*this);
    result.Append(text);
    return result;
}

bool CUIString::IsInline() const
{
    return m_pstr == m_szBuffer;
}

void CUIString::FreeHeap()
{
    if (!IsInline()) free(m_pstr);
    m_pstr = m_szBuffer;
}

void CUIString::Assign(const char* text, int count)
{
    if (text == nullptr) {
        Empty();
        return;
    }
    if (count < 0) count = static_cast<int>(strlen(text));
    if (count < kHeapThreshold) {
        // The source may live in our own heap block; move it before freeing.
        memmove(m_szBuffer, text, count);
        m_szBuffer[count] = '\0';
        if (!IsInline()) {
            free(m_pstr);
            m_pstr = m_szBuffer;
        }
        return;
    }
    if (IsInline() || static_cast<int>(strlen(m_pstr)) < count) {
        char* block = static_cast<char*>(malloc(count + 1));
        if (block == nullptr) return;
        memcpy(block, text, count);
        FreeHeap();
        m_pstr = block;
    } else {
        memmove(m_pstr, text, count);
    }
    m_pstr[count] = '\0';
}

void CUIString::Append(const char* text)
{
    if (text == nullptr) return;
    const int oldLength = GetLength();
    const int addLength = static_cast<int>(strlen(text));
    const int newLength = oldLength + addLength;
    if (newLength < kHeapThreshold) {
        memmove(m_szBuffer + oldLength, text, addLength);
        m_szBuffer[newLength] = '\0';
        return;
    }
    char* block = static_cast<char*>(malloc(newLength + 1));
    if (block == nullptr) return;
    memcpy(block, m_pstr, oldLength);
    memcpy(block + oldLength, text, addLength);
    block[newLength] = '\0';
    FreeHeap();
    m_pstr = block;
}

void CUIString::Empty()
{
    FreeHeap();
    m_szBuffer[0] = '\0';
}

int CUIString::GetLength() const
{
    return static_cast<int>(strlen(m_pstr));
}

bool CUIString::IsEmpty() const
{
    return m_pstr[0] == '\0';
}

const char* CUIString::GetData() const
{
    return m_pstr;
}

CUIString::operator const char*() const
{
    return m_pstr;
}

char CUIString::GetAt(int index) const
{
    if (index < 0 || index >= GetLength()) return '\0';
    return m_pstr[index];
}

// Byte-wise unsigned comparison orders GBK text exactly as the multibyte compare does.
int CUIString::Compare(const char* text) const
{
    return strcmp(m_pstr, text == nullptr ? "" : text);
}

bool CUIString::operator==(const char* text) const
{
    return Compare(text) == 0;
}

bool CUIString::operator!=(const char* text) const
{
    return Compare(text) != 0;
}

bool CUIString::operator<(const char* text) const
{
    return Compare(text) < 0;
}

CUIString CUIString::Left(int count) const
{
    const int length = GetLength();
    if (count < 0) count = 0;
    if (count > length) count = length;
    return CUIString(m_pstr, count);
}

CUIString CUIString::Mid(int pos, int count) const
{
    const int length = GetLength();
    if (pos < 0) pos = 0;
    if (pos >= length) return CUIString();
    if (count < 0 || count > length - pos) count = length - pos;
    if (count <= 0) return CUIString();
    return CUIString(m_pstr + pos, count);
}

CUIString CUIString::Right(int count) const
{
    const int length = GetLength();
    if (count < 0) count = 0;
    if (count > length) count = length;
    return CUIString(m_pstr + length - count, count);
}

int CUIString::Find(char ch, int start) const
{
    if (start < 0 || start > GetLength()) return -1;
    const char* found = strchr(m_pstr + start, ch);
    if (found == nullptr || ch == '\0') return -1;
    return static_cast<int>(found - m_pstr);
}

int CUIString::Find(const char* text, int start) const
{
    if (text == nullptr || start < 0 || start > GetLength()) return -1;
    const char* found = strstr(m_pstr + start, text);
    return found == nullptr ? -1 : static_cast<int>(found - m_pstr);
}

int CUIString::Replace(const char* from, const char* to)
{
    if (from == nullptr || from[0] == '\0') return 0;
    if (to == nullptr) to = "";
    const int fromLength = static_cast<int>(strlen(from));
    CUIString result;
    int count = 0;
    const char* scan = m_pstr;
    for (const char* hit = strstr(scan, from); hit != nullptr; hit = strstr(scan, from)) {
        result.Append(CUIString(scan, static_cast<int>(hit - scan)));
        result.Append(to);
        scan = hit + fromLength;
        ++count;
    }
    if (count == 0) return 0;
    result.Append(scan);
    *this = result;
    return count;
}

int CUIString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length < 0) {
        va_end(args);
        Empty();
        return 0;
    }
    char* buffer = static_cast<char*>(malloc(length + 1));
    if (buffer == nullptr) {
        va_end(args);
        return 0;
    }
    vsnprintf(buffer, length + 1, format, args);
    va_end(args);
    Assign(buffer, length);
    free(buffer);
    return length;
}

int CUIString::SmallFormat(const char* format, ...)
{
    char buffer[kInlineSize] = {};
    va_list args;
    va_start(args, format);
    vsnprintf(buffer, sizeof(buffer), format, args);
    va_end(args);
    Assign(buffer);
    return GetLength();
}

} // namespace SkinUI
