#pragma once

namespace SkinUI {

enum class EHtmlToken { End, Text, Open, Close, LineFeed };

// For Text the bytes to draw, for Open the tag's arguments (spaces trimmed).
struct THtmlToken {
    EHtmlToken kind = EHtmlToken::End;
    char tag = 0;
    const char* text = nullptr;
    int length = 0;
};

// Splits html-like text with angle-bracket or brace tags into tokens.
class CHtmlTokenizer {
public:
    explicit CHtmlTokenizer(const char* text);

    THtmlToken Next();

private:
    bool Escape(THtmlToken& token);
    bool CloseTag(THtmlToken& token);
    bool OpenTag(THtmlToken& token);
    THtmlToken RawText();
    THtmlToken PlainText();

    const char* m_p = nullptr;
    bool m_bRaw = false;
};

} // namespace SkinUI
