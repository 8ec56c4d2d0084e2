// Skin markup: the input loaded as text and as UTF-8 bytes, as the dialog
// builder loads it, and every element and attribute of what loads read back.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "SkinUI/Core/XmlDoc.h"
#include "SkinUI/Core/XmlElem.h"
#include "tests/fuzz/FuzzCheck.h"

using namespace SkinUI;

namespace {

void ReadAttributes(CXmlElem& elem)
{
    const int count = elem.GetAttributeCount();
    FUZZ_CHECK(count >= 0 && count <= CXmlElem::kMaxAttributes);
    FUZZ_CHECK(elem.HasAttributes() == (count > 0));
    for (int i = 0; i < count; ++i) {
        const char* name = elem.GetAttributeName(i);
        const char* value = elem.GetAttributeValue(i);
        FUZZ_CHECK(name != nullptr && value != nullptr);
        char buffer[CXmlElem::kValueBufferSize] = {};
        FUZZ_CHECK(elem.GetAttributeValue(name, buffer));
        FUZZ_CHECK(std::strlen(buffer) < sizeof buffer);
    }
    FUZZ_CHECK(*elem.GetAttributeName(count) == '\0' && *elem.GetAttributeValue(-1) == '\0');
}

// Depth first, without recursion: markup may nest as deep as it likes.
void Walk(const CXmlDoc& doc, std::size_t size)
{
    std::vector<CXmlElem> pending;
    CXmlElem root = doc.GetRoot();
    FUZZ_CHECK(root.IsValid() == doc.IsValid());
    if (root.IsValid()) pending.push_back(root);
    std::size_t elements = 0;
    while (!pending.empty()) {
        CXmlElem elem = pending.back();
        pending.pop_back();
        FUZZ_CHECK(++elements <= size);
        FUZZ_CHECK(elem.GetName() != nullptr);
        ReadAttributes(elem);
        const CXmlElem sibling = elem.GetSibling();
        if (sibling.IsValid()) pending.push_back(sibling);
        const CXmlElem child = elem.GetChild();
        FUZZ_CHECK(child.IsValid() == elem.HasChildren());
        if (child.IsValid()) pending.push_back(child);
    }
}

void CheckLoad(const CXmlDoc& doc, bool loaded, std::size_t size)
{
    if (loaded) {
        Walk(doc, size);
        return;
    }
    FUZZ_CHECK(*doc.GetLastErrorMessage() != '\0' && !doc.GetRoot().IsValid());
    FUZZ_CHECK(std::strlen(doc.GetLastErrorLocation()) < CXmlDoc::kErrorLocSize);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    CXmlDoc doc;
    CheckLoad(doc, doc.Load(text.c_str()), size);
    CheckLoad(doc, doc.LoadFromMem(data, static_cast<unsigned long>(size)), size);
    return 0;
}
