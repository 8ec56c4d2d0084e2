#pragma once

namespace SkinUI {

class CPaintManagerUI;
class CXmlElem;

// The "Image", "Font" and "Default" elements of a skin and the paint manager resources they add.
class CDlgResources {
public:
    // Every resource child of the root, in document order; other children are left alone.
    static void Load(const CXmlElem& root, CPaintManagerUI& pm);

private:
    static void AddImage(CXmlElem& elem, CPaintManagerUI& pm);
    static void AddFont(CXmlElem& elem, CPaintManagerUI& pm);
    static void AddDefault(CXmlElem& elem, CPaintManagerUI& pm);
};

} // namespace SkinUI
