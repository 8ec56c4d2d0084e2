#include "cli/Json.h"

#include <cstdio>

CJsonValue::CJsonValue(Kind kind, std::string scalar)
    : m_kind(kind)
    , m_scalar(std::move(scalar))
{}

CJsonValue CJsonValue::Null()
{
    return CJsonValue(Kind::Scalar, "null");
}

CJsonValue CJsonValue::Text(const std::string& text)
{
    return CJsonValue(Kind::Scalar, JsonQuoted(text));
}

CJsonValue CJsonValue::Number(long long number)
{
    return CJsonValue(Kind::Scalar, std::to_string(number));
}

CJsonValue CJsonValue::Boolean(bool value)
{
    return CJsonValue(Kind::Scalar, value ? "true" : "false");
}

CJsonValue CJsonValue::Array()
{
    return CJsonValue(Kind::Array, "");
}

CJsonValue CJsonValue::Object()
{
    return CJsonValue(Kind::Object, "");
}

CJsonValue CJsonValue::TextOrNull(const std::string& text)
{
    return text.empty() ? Null() : Text(text);
}

CJsonValue& CJsonValue::Add(const std::string& key, CJsonValue value)
{
    m_members.emplace_back(key, std::move(value));
    return *this;
}

CJsonValue& CJsonValue::Push(CJsonValue value)
{
    m_members.emplace_back(std::string(), std::move(value));
    return *this;
}

std::string CJsonValue::Format() const
{
    std::string out;
    FormatInto(out, 0);
    return out;
}

void CJsonValue::FormatInto(std::string& out, int depth) const
{
    if (m_kind == Kind::Scalar) {
        out += m_scalar;
        return;
    }
    const bool object = m_kind == Kind::Object;
    out += object ? '{' : '[';
    const std::string indent(2 * (depth + 1), ' ');
    for (std::size_t i = 0; i < m_members.size(); ++i) {
        out += (i == 0 ? "\n" : ",\n") + indent;
        if (object) out += JsonQuoted(m_members[i].first) + ": ";
        m_members[i].second.FormatInto(out, depth + 1);
    }
    if (!m_members.empty()) out += "\n" + std::string(2 * depth, ' ');
    out += object ? '}' : ']';
}

std::string JsonQuoted(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte >= 0x20 && byte < 0x7f) {
            out += c;
        } else {
            // Bytes outside ASCII are kept as the code points of the same number.
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        }
    }
    return out + "\"";
}
