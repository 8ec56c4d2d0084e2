#include "SkinUI/Core/XmlDoc.h"

#include <cstring>
#include <string>
#include "SkinUI/Core/MbcsText.h"
#include "SkinUI/Utils/FileBytes.h"
#include "SkinUI/Utils/ResourcePath.h"

namespace SkinUI {

namespace {

const char kMsgStartTag[] = "Expected start tag";
const char kMsgElementName[] = "Error parsing element name";
const char kMsgStartTagClosing[] = "Expected start-tag closing";
const char kMsgEndTagStart[] = "Expected end-tag start";
const char kMsgUnmatched[] = "Unmatched closing tag";
const char kMsgAttributes[] = "Error while parsing attributes";
const char kMsgAttributeValue[] = "Expected attribute value";
const char kMsgAttributeString[] = "Error while parsing attribute string";

struct TEntity {
    const char* pstrName;
    size_t cchName;
    char chValue;
};

const TEntity kEntities[] = {
    {"&amp;", 5, '&'}, {"&lt;", 4, '<'}, {"&gt;", 4, '>'}, {"&quot;", 6, '"'}, {"&apos;", 6, '\''},
};

bool IsWhitespace(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    return u >= 1 && u <= 32;
}

bool IsNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == ':';
}

// The text and its terminator in a buffer of the document's own.
std::unique_ptr<char[]> OwnCopy(const char* text, size_t length)
{
    std::unique_ptr<char[]> copy(new char[length + 1]);
    std::memcpy(copy.get(), text, length);
    copy[length] = '\0';
    return copy;
}

} // namespace

bool CXmlDoc::Load(const char* text)
{
    Release();
    if (text == nullptr) return false;
    return LoadText(OwnCopy(text, std::strlen(text)));
}

bool CXmlDoc::LoadFromMem(const unsigned char* data, unsigned long length)
{
    Release();
    if (data == nullptr && length != 0) return false;
    if (length > 0x7FFFFFFFul) return false;
    if (length >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) {
        data += 3;
        length -= 3;
    }
    const std::string text = CMbcsText::FromUtf8(data, length);
    return LoadText(OwnCopy(text.data(), text.size()));
}

bool CXmlDoc::LoadFromFile(const char* name)
{
    return LoadFromPath(CResourcePath::Get() + (name != nullptr ? name : ""));
}

bool CXmlDoc::LoadFromPath(const char* path)
{
    Release();
    std::vector<unsigned char> bytes;
    switch (CFileBytes::Read(path, kMaxFileSize, bytes)) {
    case CFileBytes::kRead:
        return LoadFromMem(bytes.data(), static_cast<unsigned long>(bytes.size()));
    case CFileBytes::kCannotOpen:
        return FileFailed("Error opening file");
    case CFileBytes::kEmpty:
        return FileFailed("File is empty");
    case CFileBytes::kTooLarge:
        return FileFailed("File too large");
    case CFileBytes::kShortRead:
        break;
    }
    return FileFailed("Could not read file");
}

void CXmlDoc::Release()
{
    m_pstrXml.reset();
    m_pElements.reset();
    m_nElements = 0;
    m_nReservedElements = 0;
    m_pPos = nullptr;
    m_pEnd = nullptr;
}

bool CXmlDoc::IsValid() const
{
    return m_nElements > 1;
}

CXmlElem CXmlDoc::GetRoot() const
{
    return IsValid() ? CXmlElem(this, 1) : CXmlElem();
}

const char* CXmlDoc::GetLastErrorMessage() const
{
    return m_szErrorMsg;
}

const char* CXmlDoc::GetLastErrorLocation() const
{
    return m_szErrorXml;
}

void CXmlDoc::SetPreserveWhitespace(bool preserve)
{
    m_bPreserveWhitespace = preserve;
}

bool CXmlDoc::LoadText(std::unique_ptr<char[]> text)
{
    m_pstrXml = std::move(text);
    m_pPos = m_pstrXml.get();
    m_pEnd = m_pPos + std::strlen(m_pPos);
    const bool ok = Parse();
    m_pPos = nullptr;
    m_pEnd = nullptr;
    if (!ok) Release();
    return ok;
}

bool CXmlDoc::Parse()
{
    ReserveElement();
    m_szErrorMsg[0] = '\0';
    m_szErrorXml[0] = '\0';
    std::vector<TOpenElement> open;
    unsigned int lastTop = 0;
    for (;;) {
        SkipWhitespace();
        const unsigned int parent = open.empty() ? 0 : open.back().iIndex;
        if (AtEnd()) return parent <= 1 ? Finish(open) : Failed(kMsgStartTag);
        if (*m_pPos != '<') return Failed(kMsgStartTag);
        if (At("</", 2)) {
            // An end tag at the top level ends the document.
            if (open.empty()) return true;
            if (!CloseElement(open.back())) return false;
            const unsigned int closed = open.back().iIndex;
            open.pop_back();
            (open.empty() ? lastTop : open.back().iLastChild) = closed;
            continue;
        }
        *m_pPos++ = '\0';
        SkipWhitespace();
        if (!AtEnd() && (*m_pPos == '!' || *m_pPos == '?')) {
            SkipDeclaration();
            continue;
        }
        const size_t depth = open.size();
        if (!ParseElement(open, lastTop)) return false;
        if (open.size() > depth && AtEnd()) return parent <= 1 ? Finish(open) : Failed(kMsgEndTagStart);
    }
}

// Reads one start tag at its name; an element with content stays open.
bool CXmlDoc::ParseElement(std::vector<TOpenElement>& open, unsigned int& lastTop)
{
    const unsigned int parent = open.empty() ? 0 : open.back().iIndex;
    unsigned int& last = open.empty() ? lastTop : open.back().iLastChild;
    const unsigned int index = ReserveElement();
    m_pElements[index].iName = Offset(m_pPos);
    m_pElements[index].iParent = parent;
    if (last != 0)
        m_pElements[last].iNext = index;
    else if (parent != 0)
        m_pElements[parent].iChild = index;

    SkipName();
    if (AtEnd()) return Failed(kMsgElementName);
    const unsigned int nameEnd = Offset(m_pPos);
    if (!ParseAttributes()) return false;
    SkipWhitespace();
    if (At("/>", 2)) {
        m_pElements[index].iData = Offset(m_pPos);
        *m_pPos = '\0';
        m_pPos += 2;
        m_pstrXml[nameEnd] = '\0';
        last = index;
        return true;
    }
    if (AtEnd() || *m_pPos != '>') return Failed(kMsgStartTagClosing);
    ++m_pPos;
    m_pElements[index].iData = Offset(m_pPos);
    TOpenElement element;
    element.iIndex = index;
    element.iNameEnd = nameEnd;
    element.pDataEnd = ParseData('<');
    open.push_back(element);
    return true;
}

bool CXmlDoc::CloseElement(const TOpenElement& element)
{
    *element.pDataEnd = '\0';
    *m_pPos = '\0';
    m_pPos += 2;
    SkipWhitespace();
    const char* name = m_pstrXml.get() + m_pElements[element.iIndex].iName;
    const size_t length = element.iNameEnd - m_pElements[element.iIndex].iName;
    if (static_cast<size_t>(m_pEnd - m_pPos) < length || std::memcmp(m_pPos, name, length) != 0) {
        return Failed(kMsgUnmatched);
    }
    m_pPos += length;
    SkipWhitespace();
    if (AtEnd() || *m_pPos != '>') return Failed(kMsgUnmatched);
    ++m_pPos;
    m_pstrXml[element.iNameEnd] = '\0';
    return true;
}

// Elements left open at the end of the text still get terminated names.
bool CXmlDoc::Finish(const std::vector<TOpenElement>& open)
{
    for (const TOpenElement& element : open) m_pstrXml[element.iNameEnd] = '\0';
    return true;
}

bool CXmlDoc::ParseAttributes()
{
    if (*m_pPos == '>' || At("/>", 2)) return true;
    *m_pPos++ = '\0';
    for (;;) {
        SkipWhitespace();
        if (AtEnd() || *m_pPos == '>' || *m_pPos == '/') return true;
        SkipName();
        char* nameEnd = m_pPos;
        SkipWhitespace();
        if (AtEnd() || *m_pPos != '=') return Failed(kMsgAttributes);
        *m_pPos++ = ' ';
        *nameEnd = '\0';
        SkipWhitespace();
        if (AtEnd() || *m_pPos != '"') return Failed(kMsgAttributeValue);
        ++m_pPos;
        char* write = ParseData('"');
        if (AtEnd()) return Failed(kMsgAttributeString);
        *write = '\0';
        if (m_pPos > write) *m_pPos = ' ';
        ++m_pPos;
    }
}

// Decodes in place up to the terminator; returns the write position.
char* CXmlDoc::ParseData(char terminator)
{
    char* write = m_pPos;
    while (!AtEnd() && *m_pPos != terminator) {
        if (*m_pPos == '&') {
            const TEntity* found = nullptr;
            for (const TEntity& entity : kEntities) {
                if (At(entity.pstrName, entity.cchName)) found = &entity;
            }
            *write++ = found != nullptr ? found->chValue : '&';
            m_pPos += found != nullptr ? found->cchName : 1;
        } else if (*m_pPos == ' ') {
            *write++ = *m_pPos++;
            if (!m_bPreserveWhitespace) SkipWhitespace();
        } else {
            for (int n = CharLength(); n > 0; --n) *write++ = *m_pPos++;
        }
    }
    for (char* fill = write + 1; fill < m_pPos; ++fill) *fill = ' ';
    return write;
}

void CXmlDoc::SkipDeclaration()
{
    const char close = *m_pPos == '!' ? '-' : '?';
    ++m_pPos;
    while (!AtEnd() && !(*m_pPos == close && m_pPos + 1 < m_pEnd && m_pPos[1] == '>')) m_pPos += CharLength();
    if (!AtEnd()) m_pPos += 2;
}

void CXmlDoc::SkipWhitespace()
{
    while (!AtEnd() && IsWhitespace(*m_pPos)) ++m_pPos;
}

void CXmlDoc::SkipName()
{
    while (!AtEnd() && IsNameChar(*m_pPos)) ++m_pPos;
}

// A lead byte as the last byte of the text stands alone.
int CXmlDoc::CharLength() const
{
    if (AtEnd()) return 0;
    const bool pair = CMbcsText::IsLeadByte(static_cast<unsigned char>(*m_pPos)) && m_pPos + 1 < m_pEnd;
    return pair ? 2 : 1;
}

bool CXmlDoc::AtEnd() const
{
    return m_pPos >= m_pEnd;
}

bool CXmlDoc::At(const char* token, size_t length) const
{
    return static_cast<size_t>(m_pEnd - m_pPos) >= length && std::memcmp(m_pPos, token, length) == 0;
}

unsigned int CXmlDoc::Offset(const char* p) const
{
    return static_cast<unsigned int>(p - m_pstrXml.get());
}

unsigned int CXmlDoc::ReserveElement()
{
    if (m_nElements >= m_nReservedElements) {
        const unsigned int capacity = m_nReservedElements + m_nReservedElements / 2 + 500;
        std::unique_ptr<TElement[]> grown(new TElement[capacity]);
        for (unsigned int i = 0; i < m_nElements; ++i) grown[i] = m_pElements[i];
        m_pElements = std::move(grown);
        m_nReservedElements = capacity;
    }
    m_pElements[m_nElements] = TElement();
    return m_nElements++;
}

bool CXmlDoc::Failed(const char* message)
{
    SetErrorMessage(message);
    const size_t rest = static_cast<size_t>(m_pEnd - m_pPos);
    const size_t length = rest < kErrorLocSize - 1 ? rest : kErrorLocSize - 1;
    std::memcpy(m_szErrorXml, m_pPos, length);
    m_szErrorXml[length] = '\0';
    return false;
}

bool CXmlDoc::FileFailed(const char* message)
{
    SetErrorMessage(message);
    m_szErrorXml[0] = '\0';
    return false;
}

void CXmlDoc::SetErrorMessage(const char* message)
{
    const size_t length = std::strlen(message);
    const size_t kept = length < kErrorMsgSize - 1 ? length : kErrorMsgSize - 1;
    std::memcpy(m_szErrorMsg, message, kept);
    m_szErrorMsg[kept] = '\0';
}

} // namespace SkinUI
