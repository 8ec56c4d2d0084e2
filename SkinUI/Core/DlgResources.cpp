#include "SkinUI/Core/DlgResources.h"
#include "SkinUI/Core/DlgResourceReader.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/XmlElem.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

void CDlgResources::Load(const CXmlElem& root, CPaintManagerUI& pm)
{
    for (CXmlElem node = root.GetChild(); node.IsValid(); node = node.GetSibling()) {
        const char* name = node.GetName();
        if (CUIName::Equals(name, "Image"))
            AddImage(node, pm);
        else if (CUIName::Equals(name, "Font"))
            AddFont(node, pm);
        else if (CUIName::Equals(name, "Default"))
            AddDefault(node, pm);
    }
}

void CDlgResources::AddImage(CXmlElem& elem, CPaintManagerUI& pm)
{
    TImageDecl decl;
    if (!CDlgResourceReader::ReadImage(elem, decl)) return;
    pm.AddImage(decl.sName, decl.sType.IsEmpty() ? nullptr : decl.sType.GetData(), decl.dwMask);
}

void CDlgResources::AddFont(CXmlElem& elem, CPaintManagerUI& pm)
{
    TFontDecl decl;
    if (!CDlgResourceReader::ReadFont(elem, decl)) return;
    pm.AddFont(decl.sName, decl.iSize, decl.bBold, decl.bUnderline, decl.bItalic);
    if (decl.bDefault) pm.SetDefaultFont(decl.sName, decl.iSize, decl.bBold, decl.bUnderline, decl.bItalic);
}

void CDlgResources::AddDefault(CXmlElem& elem, CPaintManagerUI& pm)
{
    TDefaultDecl decl;
    if (!CDlgResourceReader::ReadDefault(elem, decl)) return;
    pm.AddDefaultAttributeList(decl.sName, decl.sValue);
}

} // namespace SkinUI
