// The dialog builder as far as it runs without a window: the markup parsed,
// the resource elements read, the default attribute lists walked, the window
// element's attributes and every control attribute read as the builder and
// the controls read them, and each include's source and count taken.
#include <cstdint>
#include <string>

#include "SkinUI/Core/AttributeList.h"
#include "SkinUI/Core/AttributeValue.h"
#include "SkinUI/Core/DlgResourceReader.h"
#include "SkinUI/Core/MarkupBounds.h"
#include "SkinUI/Core/XmlDoc.h"
#include "SkinUI/Core/XmlElem.h"
#include "SkinUI/Utils/UIName.h"
#include "tests/fuzz/FuzzCheck.h"

using namespace SkinUI;

namespace {

// Every way a control or the window reads an attribute's value.
void ReadValue(const char* value)
{
    CAttributeValue::ParseBool(value);
    CAttributeValue::ParseColor(value, true);
    int four[4] = {};
    CAttributeValue::ParseList(value, four, 4);
    const int length = CMarkupBounds::Length(CAttributeValue::ParseInt(value));
    FUZZ_CHECK(length >= -CMarkupBounds::kMaxLength && length <= CMarkupBounds::kMaxLength);
    if (CAttributeValue::ReadNumbers(value, four, 2)) {
        const int extent = CMarkupBounds::WindowExtent(four[0]);
        FUZZ_CHECK(extent >= 0 && extent <= CMarkupBounds::kMaxWindowExtent);
    }
    CAttributeValue::ReadNumbers(value, four, 4);
    unsigned int color = 0;
    CAttributeValue::ReadColor(value, color);
}

// A default attribute list, as a control applies it: pairs until the first fault.
void ApplyDefaultList(const CUIString& list)
{
    CAttributeList pairs(list);
    CUIString name;
    CUIString value;
    int count = 0;
    while (pairs.Next(name, value)) {
        FUZZ_CHECK(++count <= list.GetLength());
        ReadValue(value);
    }
}

void ReadElement(CXmlElem& elem)
{
    const char* name = elem.GetName();
    if (CUIName::Equals(name, "Image")) {
        TImageDecl image;
        FUZZ_CHECK(CDlgResourceReader::ReadImage(elem, image) == !image.sName.IsEmpty());
    } else if (CUIName::Equals(name, "Font")) {
        TFontDecl font;
        CDlgResourceReader::ReadFont(elem, font);
        FUZZ_CHECK(font.iSize > 0);
    } else if (CUIName::Equals(name, "Default")) {
        TDefaultDecl list;
        if (CDlgResourceReader::ReadDefault(elem, list)) ApplyDefaultList(list.sValue);
    } else if (CUIName::Equals(name, "Include")) {
        char count[CXmlElem::kValueBufferSize] = {};
        char source[CXmlElem::kValueBufferSize] = {};
        elem.GetAttributeValue("source", source);
        if (elem.GetAttributeValue("count", count)) CAttributeValue::ParseInt(count);
    }
    for (int i = 0; i < elem.GetAttributeCount(); ++i) ReadValue(elem.GetAttributeValue(i));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CXmlDoc doc;
    if (doc.LoadFromMem(data, static_cast<unsigned long>(size))) WalkElements(doc.GetRoot(), ReadElement);
    return 0;
}
