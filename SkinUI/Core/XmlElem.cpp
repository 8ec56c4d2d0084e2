#include "SkinUI/Core/XmlElem.h"

#include <cstring>
#include "SkinUI/Core/XmlDoc.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

namespace {

const char* SkipWhitespace(const char* p, const char* stop)
{
    while (p < stop && static_cast<unsigned char>(*p) >= 1 && static_cast<unsigned char>(*p) <= 32) ++p;
    return p;
}

// Position after the NUL that ends the field at p, or null when it is not
// ended before stop.
const char* SkipField(const char* p, const char* stop)
{
    if (p >= stop) return nullptr;
    const void* nul = std::memchr(p, '\0', static_cast<size_t>(stop - p));
    return nul != nullptr ? static_cast<const char*>(nul) + 1 : nullptr;
}

} // namespace

CXmlElem::CXmlElem(const CXmlDoc* doc, int index)
    : m_iPos(index)
    , m_pOwner(doc)
{}

bool CXmlElem::IsValid() const
{
    return m_pOwner != nullptr;
}

CXmlElem CXmlElem::GetSibling() const
{
    if (m_pOwner == nullptr) return CXmlElem();
    const unsigned int next = m_pOwner->m_pElements[m_iPos].iNext;
    return next != 0 ? CXmlElem(m_pOwner, static_cast<int>(next)) : CXmlElem();
}

CXmlElem CXmlElem::GetChild() const
{
    if (m_pOwner == nullptr) return CXmlElem();
    const unsigned int child = m_pOwner->m_pElements[m_iPos].iChild;
    return child != 0 ? CXmlElem(m_pOwner, static_cast<int>(child)) : CXmlElem();
}

bool CXmlElem::HasChildren() const
{
    return m_pOwner != nullptr && m_pOwner->m_pElements[m_iPos].iChild != 0;
}

const char* CXmlElem::GetName() const
{
    if (m_pOwner == nullptr) return nullptr;
    return m_pOwner->m_pstrXml.get() + m_pOwner->m_pElements[m_iPos].iName;
}

int CXmlElem::GetAttributeCount()
{
    if (m_pOwner == nullptr) return 0;
    if (m_nAttributes == 0) MapAttributes();
    return m_nAttributes;
}

bool CXmlElem::HasAttributes()
{
    return GetAttributeCount() > 0;
}

const char* CXmlElem::GetAttributeName(int index)
{
    if (index < 0 || index >= GetAttributeCount()) return "";
    return m_pOwner->m_pstrXml.get() + m_aAttributes[index].iName;
}

const char* CXmlElem::GetAttributeValue(int index)
{
    if (index < 0 || index >= GetAttributeCount()) return "";
    return m_pOwner->m_pstrXml.get() + m_aAttributes[index].iValue;
}

bool CXmlElem::GetAttributeValue(const char* name, char* value, int size)
{
    if (name == nullptr || value == nullptr || size <= 0) return false;
    const int count = GetAttributeCount();
    const char* text = count > 0 ? m_pOwner->m_pstrXml.get() : nullptr;
    for (int i = 0; i < count; ++i) {
        if (!CUIName::Equals(text + m_aAttributes[i].iName, name)) continue;
        const int limit = (size < kValueBufferSize ? size : kValueBufferSize) - 1;
        const char* source = text + m_aAttributes[i].iValue;
        int length = 0;
        while (length < limit && source[length] != '\0') ++length;
        std::memcpy(value, source, static_cast<size_t>(length));
        value[length] = '\0';
        return true;
    }
    return false;
}

// Walks the name NUL value NUL pairs the parser left between the element
// name and its data, never past the data offset.
void CXmlElem::MapAttributes()
{
    const char* text = m_pOwner->m_pstrXml.get();
    const CXmlDoc::TElement& element = m_pOwner->m_pElements[m_iPos];
    const char* stop = text + element.iData;
    const char* p = SkipField(text + element.iName, stop);
    m_nAttributes = 0;
    while (p != nullptr && p < stop && m_nAttributes < kMaxAttributes) {
        p = SkipWhitespace(p, stop);
        const char* name = p;
        p = SkipField(p, stop);
        if (p == nullptr) return;
        p = SkipWhitespace(p, stop);
        if (p >= stop || *p != '"') return;
        ++p;
        m_aAttributes[m_nAttributes].iName = static_cast<unsigned int>(name - text);
        m_aAttributes[m_nAttributes].iValue = static_cast<unsigned int>(p - text);
        ++m_nAttributes;
        p = SkipField(p, stop);
    }
}

} // namespace SkinUI
