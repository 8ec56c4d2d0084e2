#pragma once
#include "SkinUI/Utils/UIString.h"

namespace SkinUI {

class CXmlElem;

struct TImageDecl {
    CUIString sName;
    CUIString sType;
    unsigned int dwMask = 0;
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

// What the "Image", "Font" and "Default" elements of a skin declare.
class CDlgResourceReader {
public:
    // Each is false when the element lacks its "name"; unknown attributes are ignored.
    static bool ReadImage(CXmlElem& elem, TImageDecl& decl);
    static bool ReadFont(CXmlElem& elem, TFontDecl& decl);
    static bool ReadDefault(CXmlElem& elem, TDefaultDecl& decl);
};

} // namespace SkinUI
