#pragma once
#include <cstddef>
#include <memory>
#include <vector>
#include "SkinUI/Core/XmlElem.h"

namespace SkinUI {

// Destructive in-place parser of the skin markup: the text is copied into one
// owned buffer, terminated and decoded there, and elements refer to it by offset.
class CXmlDoc {
public:
    enum { kMaxFileSize = 4 * 1024 * 1024, kErrorMsgSize = 100, kErrorLocSize = 50 };

    CXmlDoc() = default;
    ~CXmlDoc() = default;
    CXmlDoc(const CXmlDoc&) = delete;
    CXmlDoc& operator=(const CXmlDoc&) = delete;

    bool Load(const char* text);
    bool LoadFromMem(const unsigned char* data, unsigned long length);
    // The name is taken relative to the framework's resource path.
    bool LoadFromFile(const char* name);
    // The path is used as given.
    bool LoadFromPath(const char* path);
    void Release();

    bool IsValid() const;
    CXmlElem GetRoot() const;
    const char* GetLastErrorMessage() const;
    const char* GetLastErrorLocation() const;
    void SetPreserveWhitespace(bool preserve);

private:
    friend class CXmlElem;

    struct TElement {
        unsigned int iName = 0;
        unsigned int iChild = 0;
        unsigned int iNext = 0;
        unsigned int iParent = 0;
        unsigned int iData = 0;
    };
    struct TOpenElement {
        unsigned int iIndex = 0;
        unsigned int iNameEnd = 0;
        char* pDataEnd = nullptr;
        unsigned int iLastChild = 0;
    };

    bool LoadText(std::unique_ptr<char[]> text);
    bool Parse();
    bool ParseElement(std::vector<TOpenElement>& open, unsigned int& lastTop);
    bool CloseElement(const TOpenElement& element);
    bool Finish(const std::vector<TOpenElement>& open);
    bool ParseAttributes();
    char* ParseData(char terminator);
    void SkipDeclaration();
    void SkipWhitespace();
    void SkipName();
    int CharLength() const;
    bool AtEnd() const;
    bool At(const char* token, size_t length) const;
    unsigned int Offset(const char* p) const;
    unsigned int ReserveElement();
    bool Failed(const char* message);
    bool FileFailed(const char* message);
    void SetErrorMessage(const char* message);

    std::unique_ptr<char[]> m_pstrXml;
    std::unique_ptr<TElement[]> m_pElements;
    unsigned int m_nElements = 0;
    unsigned int m_nReservedElements = 0;
    char m_szErrorMsg[kErrorMsgSize] = {};
    char m_szErrorXml[kErrorLocSize] = {};
    bool m_bPreserveWhitespace = true;
    char* m_pPos = nullptr;
    char* m_pEnd = nullptr;
};

} // namespace SkinUI
