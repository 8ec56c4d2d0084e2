#pragma once

#include <string>
#include <utility>
#include <vector>

// A JSON value built in order and printed with two-space indentation. Texts
// are taken as bytes: anything that is not printable ASCII is escaped, so the
// result is valid whatever a radio sent.
class CJsonValue {
public:
    static CJsonValue Null();
    static CJsonValue Text(const std::string& text);
    static CJsonValue Number(long long number);
    static CJsonValue Boolean(bool value);
    static CJsonValue Array();
    static CJsonValue Object();
    // A text, or null when it is empty.
    static CJsonValue TextOrNull(const std::string& text);

    // For objects: appends a member (keys are kept in the order added).
    CJsonValue& Add(const std::string& key, CJsonValue value);
    // For arrays: appends an element.
    CJsonValue& Push(CJsonValue value);

    std::string Format() const;

private:
    enum class Kind { Scalar, Array, Object };

    CJsonValue(Kind kind, std::string scalar);
    void FormatInto(std::string& out, int depth) const;

    Kind m_kind = Kind::Scalar;
    std::string m_scalar;
    std::vector<std::pair<std::string, CJsonValue>> m_members;
};

// The text as a JSON string, quotes included.
std::string JsonQuoted(const std::string& text);
