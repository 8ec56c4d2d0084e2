#pragma once
#include <windows.h>
#include "SkinUI/Core/XmlDoc.h"
#include "SkinUI/Core/XmlElem.h"
#include "SkinUI/Utils/UIString.h"

namespace SkinUI {

class CControlUI;
class CPaintManagerUI;
class IDialogBuilderCallback;

// Turns skin markup into a control tree and fills the paint manager's
// resources and window settings from it.
class CDlgBuilder {
public:
    typedef void (*TraceProc)(const char* text, void* context);
    // Nesting of controls and includes together; deeper elements are skipped.
    enum { kMaxDepth = 128 };

    CDlgBuilder() = default;
    CDlgBuilder(const CDlgBuilder&) = delete;
    CDlgBuilder& operator=(const CDlgBuilder&) = delete;

    // Markup text when it starts with "<", otherwise a file under the resource path.
    // A text or a file has no resource type: the type is accepted for symmetry and not kept.
    CControlUI* Create(const char* xml, const char* type = nullptr, IDialogBuilderCallback* pCallback = nullptr,
                       CPaintManagerUI* pManager = nullptr, CControlUI* pParent = nullptr);
    // UTF-8 markup stored as a module resource; includes then name resources of the same type.
    CControlUI* CreateFromResource(UINT id, const char* type, IDialogBuilderCallback* pCallback = nullptr,
                                   CPaintManagerUI* pManager = nullptr, CControlUI* pParent = nullptr);
    // Builds from the markup already loaded.
    CControlUI* Create(IDialogBuilderCallback* pCallback = nullptr, CPaintManagerUI* pManager = nullptr,
                       CControlUI* pParent = nullptr);

    CXmlDoc* GetMarkup();
    // Why the last build left out controls the markup describes; empty when it left out none.
    const CUIString& GetError() const;
    // Receives the builder's diagnostics instead of the debugger; included builds inherit it.
    void SetTraceProc(TraceProc proc, void* context);

private:
    bool LoadResource(UINT id, const char* type);
    CControlUI* Parse(CXmlElem& root, CControlUI* pParent, CPaintManagerUI* pManager, int depth);
    void Include(CXmlElem& elem, CControlUI* pParent, CPaintManagerUI* pManager, int depth);
    bool IsIncluding(const CUIString& key) const;
    bool BuildTreeNode(CXmlElem& elem, CControlUI* pParent, CPaintManagerUI* pManager, int depth);
    CControlUI* CreateControl(const char* pstrClass);
    enum TAttach { kAttached, kRefused, kNoContainer, kNoParent };
    TAttach Attach(CControlUI* pControl, CControlUI* pParent);
    void Drop(CControlUI* pControl, TAttach reason, CControlUI* pParent);
    void Configure(CControlUI* pControl, CXmlElem& elem, CPaintManagerUI* pManager, CControlUI* pParent);
    // Traces what was left out; the first reason is kept for GetError.
    void Fail(const char* text);
    void Trace(const char* text) const;

    CXmlDoc m_xml;
    IDialogBuilderCallback* m_pCallback = nullptr;
    CUIString m_sType;
    CUIString m_sSource;
    const CDlgBuilder* m_pIncluder = nullptr;
    int m_iBaseDepth = 0;
    CUIString m_sError;
    int m_nIncludes = 0;
    // The outermost builder's count, shared by every builder of its includes.
    int* m_pIncludes = &m_nIncludes;
    TraceProc m_pTrace = nullptr;
    void* m_pTraceContext = nullptr;
};

} // namespace SkinUI
