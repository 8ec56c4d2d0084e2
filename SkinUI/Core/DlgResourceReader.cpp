#include "SkinUI/Core/DlgResourceReader.h"
#include "SkinUI/Core/AttributeValue.h"
#include "SkinUI/Core/XmlElem.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

bool CDlgResourceReader::ReadImage(CXmlElem& elem, TImageDecl& decl)
{
    for (int i = 0; i < elem.GetAttributeCount(); ++i) {
        const char* name = elem.GetAttributeName(i);
        const char* value = elem.GetAttributeValue(i);
        if (CUIName::Equals(name, "name"))
            decl.sName = value;
        else if (CUIName::Equals(name, "restype"))
            decl.sType = value;
        else if (CUIName::Equals(name, "mask"))
            decl.dwMask = CAttributeValue::ParseColor(value);
    }
    return !decl.sName.IsEmpty();
}

bool CDlgResourceReader::ReadFont(CXmlElem& elem, TFontDecl& decl)
{
    for (int i = 0; i < elem.GetAttributeCount(); ++i) {
        const char* name = elem.GetAttributeName(i);
        const char* value = elem.GetAttributeValue(i);
        int size = 0;
        if (CUIName::Equals(name, "name")) decl.sName = value;
        // A size that is no positive number keeps the default rather than an unusable font.
        else if (CUIName::Equals(name, "size") && CAttributeValue::ReadNumbers(value, &size, 1) && size > 0)
            decl.iSize = size;
        else if (CUIName::Equals(name, "bold"))
            decl.bBold = CAttributeValue::ParseBool(value);
        else if (CUIName::Equals(name, "underline"))
            decl.bUnderline = CAttributeValue::ParseBool(value);
        else if (CUIName::Equals(name, "italic"))
            decl.bItalic = CAttributeValue::ParseBool(value);
        else if (CUIName::Equals(name, "default"))
            decl.bDefault = CAttributeValue::ParseBool(value);
    }
    return !decl.sName.IsEmpty();
}

bool CDlgResourceReader::ReadDefault(CXmlElem& elem, TDefaultDecl& decl)
{
    for (int i = 0; i < elem.GetAttributeCount(); ++i) {
        const char* name = elem.GetAttributeName(i);
        if (CUIName::Equals(name, "name"))
            decl.sName = elem.GetAttributeValue(i);
        else if (CUIName::Equals(name, "value"))
            decl.sValue = elem.GetAttributeValue(i);
    }
    return !decl.sName.IsEmpty();
}

} // namespace SkinUI
