#pragma once

namespace SkinUI {

class CXmlDoc;

// A small value naming one element of a parsed document; a null document
// means "no element".
class CXmlElem {
public:
    enum { kMaxAttributes = 64, kValueBufferSize = 500 };

    CXmlElem() = default;
    explicit CXmlElem(const CXmlDoc* doc, int index);

    bool IsValid() const;
    CXmlElem GetSibling() const;
    CXmlElem GetChild() const;
    bool HasChildren() const;
    const char* GetName() const;

    int GetAttributeCount();
    bool HasAttributes();
    const char* GetAttributeName(int index);
    const char* GetAttributeValue(int index);
    // Copies at most 499 bytes (and at most size - 1) and terminates them.
    bool GetAttributeValue(const char* name, char* value, int size = kValueBufferSize);

private:
    struct TAttribute {
        unsigned int iName = 0;
        unsigned int iValue = 0;
    };

    void MapAttributes();

    int m_iPos = 0;
    int m_nAttributes = 0;
    TAttribute m_aAttributes[kMaxAttributes] = {};
    const CXmlDoc* m_pOwner = nullptr;
};

} // namespace SkinUI
