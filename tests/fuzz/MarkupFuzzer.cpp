// Skin markup: the input loaded as text and as UTF-8 bytes, as the dialog
// builder loads it, and every element and attribute of what loads read back.
#include <cstdint>
#include <cstring>
#include <string>

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

void CheckLoad(const CXmlDoc& doc, bool loaded, std::size_t size)
{
    if (loaded) {
        FUZZ_CHECK(doc.GetRoot().IsValid() == doc.IsValid());
        std::size_t elements = 0;
        WalkElements(doc.GetRoot(), [&](CXmlElem& elem) {
            FUZZ_CHECK(++elements <= size);
            FUZZ_CHECK(elem.GetName() != nullptr);
            ReadAttributes(elem);
            FUZZ_CHECK(elem.GetChild().IsValid() == elem.HasChildren());
        });
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
