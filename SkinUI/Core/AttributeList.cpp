#include "SkinUI/Core/AttributeList.h"
#include "SkinUI/Core/MbcsText.h"

namespace SkinUI {

namespace {

// Returns the position of the first stop byte at a character start, or of the terminator.
const char* ScanTo(const char* p, char stop)
{
    while (*p != '\0' && *p != stop) p += CMbcsText::CharLength(p);
    return p;
}

} // namespace

CAttributeList::CAttributeList(const char* text)
    : m_p(text)
{}

bool CAttributeList::Next(CUIString& name, CUIString& value)
{
    if (m_p == nullptr || *m_p == '\0') return false;
    const char* nameEnd = ScanTo(m_p, '=');
    if (*nameEnd != '=' || nameEnd[1] != '"') {
        m_p = nullptr;
        return false;
    }
    const char* valueStart = nameEnd + 2;
    const char* valueEnd = ScanTo(valueStart, '"');
    if (*valueEnd != '"') {
        m_p = nullptr;
        return false;
    }
    name.Assign(m_p, static_cast<int>(nameEnd - m_p));
    value.Assign(valueStart, static_cast<int>(valueEnd - valueStart));
    const char* after = valueEnd + 1;
    m_p = (*after == ' ' && after[1] != '\0') ? after + 1 : nullptr;
    return true;
}

} // namespace SkinUI
