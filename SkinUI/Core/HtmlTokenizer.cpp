#include "SkinUI/Core/HtmlTokenizer.h"
#include "SkinUI/Core/MbcsText.h"

namespace SkinUI {

namespace {

bool IsOpener(char c)
{
    return c == '<' || c == '{';
}

bool IsCloser(char c)
{
    return c == '>' || c == '}';
}

bool IsTagLetter(char c)
{
    return c >= 'a' && c <= 'z';
}

THtmlToken MakeToken(EHtmlToken kind, char tag, const char* text, int length)
{
    THtmlToken token;
    token.kind = kind;
    token.tag = tag;
    token.text = text;
    token.length = length;
    return token;
}

bool IsCloseOfRaw(const char* p)
{
    return IsOpener(p[0]) && p[1] == '/' && p[2] == 'r' && IsCloser(p[3]);
}

} // namespace

CHtmlTokenizer::CHtmlTokenizer(const char* text)
    : m_p(text)
{}

THtmlToken CHtmlTokenizer::Next()
{
    THtmlToken token;
    while (m_p != nullptr && *m_p == '\r') ++m_p;
    if (m_p == nullptr || *m_p == '\0') return token;
    if (m_bRaw && IsCloseOfRaw(m_p)) m_bRaw = false;
    if (*m_p == '\n') {
        ++m_p;
        return MakeToken(EHtmlToken::LineFeed, 0, nullptr, 0);
    }
    if (m_bRaw) return RawText();
    if (IsOpener(*m_p)) {
        if (Escape(token) || CloseTag(token) || OpenTag(token)) return token;
        return MakeToken(EHtmlToken::Text, 0, m_p++, 1);
    }
    return PlainText();
}

bool CHtmlTokenizer::Escape(THtmlToken& token)
{
    const char* p = m_p;
    const bool braceInAngles = p[0] == '<' && (p[1] == '{' || p[1] == '}') && p[2] == '>';
    const bool angleInBraces = p[0] == '{' && (p[1] == '<' || p[1] == '>') && p[2] == '}';
    if (!braceInAngles && !angleInBraces) return false;
    token = MakeToken(EHtmlToken::Text, 0, p + 1, 1);
    m_p = p + 3;
    return true;
}

bool CHtmlTokenizer::CloseTag(THtmlToken& token)
{
    const char* p = m_p;
    if (p[1] != '/' || !IsTagLetter(p[2]) || !IsCloser(p[3])) return false;
    token = MakeToken(EHtmlToken::Close, p[2], nullptr, 0);
    m_p = p + 4;
    return true;
}

bool CHtmlTokenizer::OpenTag(THtmlToken& token)
{
    const char* p = m_p;
    if (!IsTagLetter(p[1]) || !(p[2] == ' ' || IsCloser(p[2]))) return false;
    const char tag = p[1];
    const char* args = p + 2;
    while (*args == ' ') ++args;
    const char* end = args;
    while (*end != '\0' && !IsCloser(*end)) end += CMbcsText::CharLength(end);
    if (*end == '\0') {
        // A tag cut off by the end of the text is dropped with the rest.
        m_p = nullptr;
        token = THtmlToken();
        return true;
    }
    const char* last = end;
    while (last > args && last[-1] == ' ') --last;
    token = MakeToken(EHtmlToken::Open, tag, args, static_cast<int>(last - args));
    m_p = end + 1;
    m_bRaw = tag == 'r';
    return true;
}

THtmlToken CHtmlTokenizer::RawText()
{
    const char* start = m_p;
    while (*m_p != '\0' && *m_p != '\n' && *m_p != '\r' && !IsCloseOfRaw(m_p)) {
        m_p += CMbcsText::CharLength(m_p);
    }
    return MakeToken(EHtmlToken::Text, 0, start, static_cast<int>(m_p - start));
}

THtmlToken CHtmlTokenizer::PlainText()
{
    const char* start = m_p;
    while (*m_p != '\0' && *m_p != '\n' && *m_p != '\r' && !IsOpener(*m_p)) {
        m_p += CMbcsText::CharLength(m_p);
    }
    return MakeToken(EHtmlToken::Text, 0, start, static_cast<int>(m_p - start));
}

} // namespace SkinUI
