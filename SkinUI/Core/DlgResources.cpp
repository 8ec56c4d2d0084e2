#include "SkinUI/Core/DlgResources.h"
#include "SkinUI/Core/AttributeValue.h"
#include "SkinUI/Core/DlgWindowAttributes.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/XmlElem.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

namespace {

} // namespace

void CDlgResources::Load(const CXmlElem& root, CPaintManagerUI& pm)
{
    for (CXmlElem node = root.GetChild(); node.IsValid(); node = node.GetSibling()) {
        const char* name = node.GetName();
        if (CUIName::Equals(name, "Image")) AddImage(node, pm);
        else if (CUIName::Equals(name, "Font")) AddFont(node, pm);
        else if (CUIName::Equals(name, "Default")) AddDefault(node, pm);
    }
}

bool CDlgResources::ReadImage(CXmlElem& elem, TImageDecl& decl)
{
    for (int i = 0; i < elem.GetAttributeCount(); ++i) {
        const char* name = elem.GetAttributeName(i);
        const char* value = elem.GetAttributeValue(i);
        if (CUIName::Equals(name, "name")) decl.sName = value;
        else if (CUIName::Equals(name, "restype")) decl.sType = value;
        else if (CUIName::Equals(name, "mask")) decl.dwMask = CAttributeValue::ParseColor(value);
    }
    return !decl.sName.IsEmpty();
}

bool CDlgResources::ReadFont(CXmlElem& elem, TFontDecl& decl)
{
    for (int i = 0; i < elem.GetAttributeCount(); ++i) {
        const char* name = elem.GetAttributeName(i);
        const char* value = elem.GetAttributeValue(i);
        int size = 0;
        if (CUIName::Equals(name, "name")) decl.sName = value;
        // A size that is no positive number keeps the default rather than an unusable font.
        else if (CUIName::Equals(name, "size") && CDlgWindowAttributes::ReadNumbers(value, &size, 1) && size > 0) decl.iSize = size;
        else if (CUIName::Equals(name, "bold")) decl.bBold = CAttributeValue::ParseBool(value);
        else if (CUIName::Equals(name, "underline")) decl.bUnderline = CAttributeValue::ParseBool(value);
        else if (CUIName::Equals(name, "italic")) decl.bItalic = CAttributeValue::ParseBool(value);
        else if (CUIName::Equals(name, "default")) decl.bDefault = CAttributeValue::ParseBool(value);
    }
    return !decl.sName.IsEmpty();
}

bool CDlgResources::ReadDefault(CXmlElem& elem, TDefaultDecl& decl)
{
    for (int i = 0; i < elem.GetAttributeCount(); ++i) {
        const char* name = elem.GetAttributeName(i);
        if (CUIName::Equals(name, "name")) decl.sName = elem.GetAttributeValue(i);
        else if (CUIName::Equals(name, "value")) decl.sValue = elem.GetAttributeValue(i);
    }
    return !decl.sName.IsEmpty();
}

void CDlgResources::AddImage(CXmlElem& elem, CPaintManagerUI& pm)
{
    TImageDecl decl;
    if (!ReadImage(elem, decl)) return;
    pm.AddImage(decl.sName, decl.sType.IsEmpty() ? nullptr : decl.sType.GetData(), decl.dwMask);
}

void CDlgResources::AddFont(CXmlElem& elem, CPaintManagerUI& pm)
{
    TFontDecl decl;
    if (!ReadFont(elem, decl)) return;
    pm.AddFont(decl.sName, decl.iSize, decl.bBold, decl.bUnderline, decl.bItalic);
    if (decl.bDefault) pm.SetDefaultFont(decl.sName, decl.iSize, decl.bBold, decl.bUnderline, decl.bItalic);
}

void CDlgResources::AddDefault(CXmlElem& elem, CPaintManagerUI& pm)
{
    TDefaultDecl decl;
    if (!ReadDefault(elem, decl)) return;
    pm.AddDefaultAttributeList(decl.sName, decl.sValue);
}

} // namespace SkinUI
