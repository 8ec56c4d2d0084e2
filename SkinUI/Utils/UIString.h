#pragma once

namespace SkinUI {

// 8-bit text of the process code page; lengths and indices count bytes.
class CUIString {
public:
    enum { kInlineSize = 64 };

    CUIString();
    explicit CUIString(const char* text, int length = -1);
    CUIString(const CUIString& other);
    ~CUIString();

    CUIString& operator=(const CUIString& other);
    CUIString& operator=(const char* text);
    CUIString& operator+=(const CUIString& other);
    CUIString& operator+=(const char* text);
    CUIString operator+(const CUIString& other) const;
    CUIString operator+(const char* text) const;

    void Assign(const char* text, int count = -1);
    void Append(const char* text);
    void Empty();

    int GetLength() const;
    bool IsEmpty() const;
    const char* GetData() const;
    operator const char*() const;
    char GetAt(int index) const;

    int Compare(const char* text) const;
    bool operator==(const char* text) const;
    bool operator!=(const char* text) const;
    bool operator<(const char* text) const;

    CUIString Left(int count) const;
    CUIString Mid(int pos, int count = -1) const;
    CUIString Right(int count) const;

    int Find(char ch, int start = 0) const;
    int Find(const char* text, int start = 0) const;
    int Replace(const char* from, const char* to);

    int Format(const char* format, ...);
    int SmallFormat(const char* format, ...);

private:
    bool IsInline() const;
    void FreeHeap();

    char* m_pstr = m_szBuffer;
    char m_szBuffer[kInlineSize] = {};
};

} // namespace SkinUI
