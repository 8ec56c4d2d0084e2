#pragma once
#include <windows.h>
#include "SkinUI/Utils/UIString.h"

namespace SkinUI {

class CPaintManagerUI;
class CXmlElem;

struct TImageDecl {
    CUIString sName;
    CUIString sType;
    DWORD dwMask = 0;
};

struct TFontDecl {
    CUIString sName;
    int iSize = 12;
    bool bBold = false;
    bool bUnderline = false;
    bool bItalic = false;
    bool bDefault = false;
};

struct TDefaultDecl {
    CUIString sName;
    CUIString sValue;
};

// The "Image", "Font" and "Default" elements of a skin and the paint manager resources they add.
class CDlgResources {
public:
    // Every resource child of the root, in document order; other children are left alone.
    static void Load(const CXmlElem& root, CPaintManagerUI& pm);

    // Each is false when the element lacks its "name"; unknown attributes are ignored.
    static bool ReadImage(CXmlElem& elem, TImageDecl& decl);
    static bool ReadFont(CXmlElem& elem, TFontDecl& decl);
    static bool ReadDefault(CXmlElem& elem, TDefaultDecl& decl);

private:
    static void AddImage(CXmlElem& elem, CPaintManagerUI& pm);
    static void AddFont(CXmlElem& elem, CPaintManagerUI& pm);
    static void AddDefault(CXmlElem& elem, CPaintManagerUI& pm);
};

} // namespace SkinUI
