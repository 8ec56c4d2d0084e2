#include "SkinUI/Core/DlgBuilder.h"
#include <cstring>
#include <string>
#include "SkinUI/Control/TreeNodeUI.h"
#include "SkinUI/Control/TreeViewUI.h"
#include "SkinUI/Core/AttributeValue.h"
#include "SkinUI/Core/ControlFactory.h"
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Core/DlgResources.h"
#include "SkinUI/Core/DlgWindowAttributes.h"
#include "SkinUI/Core/IContainerUI.h"
#include "SkinUI/Core/IDialogBuilderCallback.h"
#include "SkinUI/Core/MarkupBounds.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

namespace {

bool IsResourceElement(const char* name)
{
    return CUIName::Equals(name, "Image") || CUIName::Equals(name, "Font") || CUIName::Equals(name, "Default");
}

// File names compare without case, as the file system does.
CUIString SourceKey(const char* source)
{
    if (source[0] == '<') return CUIString("text:") + source;
    std::string key = std::string("file:") + source;
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return CUIString(key.c_str());
}

} // namespace

CControlUI* CDlgBuilder::Create(const char* xml, const char* /*type*/, IDialogBuilderCallback* pCallback,
                                CPaintManagerUI* pManager, CControlUI* pParent)
{
    if (xml == nullptr) return nullptr;
    m_sType.Empty();
    m_sSource = SourceKey(xml);
    const bool loaded = xml[0] == '<' ? m_xml.Load(xml) : m_xml.LoadFromFile(xml);
    if (!loaded) return nullptr;
    return Create(pCallback, pManager, pParent);
}

CControlUI* CDlgBuilder::CreateFromResource(UINT id, const char* type, IDialogBuilderCallback* pCallback,
                                            CPaintManagerUI* pManager, CControlUI* pParent)
{
    if (type == nullptr || *type == '\0') return nullptr;
    m_sType = type;
    m_sSource.Format("res:%u:%s", id, type);
    if (!LoadResource(id, type)) return nullptr;
    return Create(pCallback, pManager, pParent);
}

CControlUI* CDlgBuilder::Create(IDialogBuilderCallback* pCallback, CPaintManagerUI* pManager, CControlUI* pParent)
{
    m_pCallback = pCallback;
    m_sError.Empty();
    if (m_pIncluder == nullptr) m_nIncludes = 0;
    CXmlElem root = m_xml.GetRoot();
    if (!root.IsValid()) return nullptr;
    if (pManager != nullptr) {
        CDlgResources::Load(root, *pManager);
        if (CUIName::Equals(root.GetName(), "Window") && pManager->GetPaintWindow() != nullptr) {
            for (int i = 0; i < root.GetAttributeCount(); ++i) {
                CDlgWindowAttributes::Apply(*pManager, root.GetAttributeName(i), root.GetAttributeValue(i));
            }
        }
    }
    return Parse(root, pParent, pManager, m_iBaseDepth);
}

CXmlDoc* CDlgBuilder::GetMarkup()
{
    return &m_xml;
}

const CUIString& CDlgBuilder::GetError() const
{
    return m_sError;
}

void CDlgBuilder::SetTraceProc(TraceProc proc, void* context)
{
    m_pTrace = proc;
    m_pTraceContext = context;
}

bool CDlgBuilder::LoadResource(UINT id, const char* type)
{
    HINSTANCE hInst = CPaintManagerUI::GetResourceInstance();
    if (hInst == nullptr) hInst = CPaintManagerUI::GetInstance();
    HRSRC hResource = ::FindResourceA(hInst, MAKEINTRESOURCEA(id), type);
    if (hResource == nullptr) return false;
    HGLOBAL hGlobal = ::LoadResource(hInst, hResource);
    if (hGlobal == nullptr) return false;
    const DWORD size = ::SizeofResource(hInst, hResource);
    const auto* bytes = static_cast<const unsigned char*>(::LockResource(hGlobal));
    const bool loaded = bytes != nullptr && size > 0 && m_xml.LoadFromMem(bytes, size);
    ::FreeResource(hGlobal);
    return loaded;
}

CControlUI* CDlgBuilder::Parse(CXmlElem& root, CControlUI* pParent, CPaintManagerUI* pManager, int depth)
{
    if (depth >= kMaxDepth) {
        Fail("SkinUI: markup nested too deeply, the rest is skipped");
        return nullptr;
    }
    CControlUI* pFirst = nullptr;
    for (CXmlElem node = root.GetChild(); node.IsValid(); node = node.GetSibling()) {
        const char* pstrClass = node.GetName();
        if (IsResourceElement(pstrClass)) continue;
        if (CUIName::Equals(pstrClass, "Include")) {
            Include(node, pParent, pManager, depth);
            continue;
        }
        if (CUIName::Equals(pstrClass, "TreeNode")) {
            if (!BuildTreeNode(node, pParent, pManager, depth)) break;
            continue;
        }
        CControlUI* pControl = CreateControl(pstrClass);
        if (pControl == nullptr) {
            Trace(CUIString("未知控件:") + pstrClass);
            continue;
        }
        if (node.HasChildren()) Parse(node, pControl, pManager, depth + 1);
        const bool live = pParent != nullptr && pParent->GetManager() != nullptr;
        // A parent that is already attached takes the child configured, so its Init sees the attributes.
        if (live) Configure(pControl, node, pManager, nullptr);
        // Without a parent the first control is the root, and no other has a place.
        TAttach attached = kAttached;
        if (pParent != nullptr)
            attached = Attach(pControl, pParent);
        else if (pFirst != nullptr)
            attached = kNoParent;
        if (attached != kAttached) {
            Drop(pControl, attached, pParent);
            if (attached == kNoContainer) break;
            continue;
        }
        if (!live) Configure(pControl, node, pManager, pControl->GetParent());
        if (pFirst == nullptr) pFirst = pControl;
    }
    return pFirst;
}

void CDlgBuilder::Include(CXmlElem& elem, CControlUI* pParent, CPaintManagerUI* pManager, int depth)
{
    if (!elem.HasAttributes()) return;
    char source[CXmlElem::kValueBufferSize] = {};
    if (!elem.GetAttributeValue("source", source)) return;
    if (pParent == nullptr) {
        Fail(CUIString("SkinUI: an include at the top has no parent to go into: ") + source);
        return;
    }
    char count[CXmlElem::kValueBufferSize] = {};
    const int repeat = elem.GetAttributeValue("count", count) ? CAttributeValue::ParseInt(count) : 1;
    const UINT id = static_cast<UINT>(CAttributeValue::ParseInt(source)) & 0xFFFF;
    CUIString key;
    if (m_sType.IsEmpty())
        key = SourceKey(source);
    else
        key.Format("res:%u:%s", id, m_sType.GetData());
    // Markup that includes itself, directly or through others, would never end.
    if (IsIncluding(key)) {
        Fail(CUIString("SkinUI: include cycle skipped: ") + source);
        return;
    }
    for (int i = 0; i < repeat; ++i) {
        if (*m_pIncludes >= CMarkupBounds::kMaxIncludes) {
            CUIString text;
            text.Format("SkinUI: more than %d includes in one build, the rest is skipped: %s",
                        CMarkupBounds::kMaxIncludes, source);
            Fail(text);
            return;
        }
        ++*m_pIncludes;
        CDlgBuilder builder;
        builder.m_pIncluder = this;
        builder.m_iBaseDepth = depth + 1;
        builder.m_pIncludes = m_pIncludes;
        builder.SetTraceProc(m_pTrace, m_pTraceContext);
        if (m_sType.IsEmpty())
            builder.Create(source, nullptr, m_pCallback, pManager, pParent);
        else
            builder.CreateFromResource(id, m_sType, m_pCallback, pManager, pParent);
        // Traced already by the included build.
        if (m_sError.IsEmpty()) m_sError = builder.GetError();
    }
}

bool CDlgBuilder::IsIncluding(const CUIString& key) const
{
    for (const CDlgBuilder* p = this; p != nullptr; p = p->m_pIncluder) {
        if (p->m_sSource == key.GetData()) return true;
    }
    return false;
}

bool CDlgBuilder::BuildTreeNode(CXmlElem& elem, CControlUI* pParent, CPaintManagerUI* pManager, int depth)
{
    auto* pParentNode = pParent != nullptr ? static_cast<CTreeNodeUI*>(pParent->GetInterface("TreeNode")) : nullptr;
    auto* pNode = new CTreeNodeUI(pParentNode);
    if (pParentNode != nullptr && !pParentNode->AddChildNode(pNode)) {
        Drop(pNode, kRefused, pParent);
        return true;
    }
    Configure(pNode, elem, pManager, pNode->GetParent());
    if (elem.HasChildren()) Parse(elem, pNode, pManager, depth + 1);
    if (pParentNode != nullptr) return true;
    auto* pTreeView = pParent != nullptr ? static_cast<CTreeViewUI*>(pParent->GetInterface("TreeView")) : nullptr;
    if (pTreeView == nullptr) {
        Fail("SkinUI: a tree node needs a tree view or a tree node as parent");
        delete pNode;
        return false;
    }
    if (!pTreeView->Add(pNode)) Drop(pNode, kRefused, pParent);
    return true;
}

CControlUI* CDlgBuilder::CreateControl(const char* pstrClass)
{
    CControlUI* pControl = CControlFactory::Create(pstrClass);
    if (pControl == nullptr && m_pCallback != nullptr) pControl = m_pCallback->CreateControl(pstrClass);
    return pControl;
}

CDlgBuilder::TAttach CDlgBuilder::Attach(CControlUI* pControl, CControlUI* pParent)
{
    auto* pNode = static_cast<CTreeNodeUI*>(pParent->GetInterface("TreeNode"));
    if (pNode != nullptr) return pNode->AddItem(pControl) ? kAttached : kRefused;
    auto* pContainer = static_cast<IContainerUI*>(pParent->GetInterface("IContainer"));
    if (pContainer == nullptr) return kNoContainer;
    return pContainer->Add(pControl) ? kAttached : kRefused;
}

void CDlgBuilder::Drop(CControlUI* pControl, TAttach reason, CControlUI* pParent)
{
    const char* pstrClass = pControl->GetClass();
    if (reason == kNoContainer) {
        Fail(CUIString("SkinUI: controls inside a control that holds no children are dropped: ") + pParent->GetClass());
    } else if (reason == kNoParent) {
        Fail(CUIString("SkinUI: only one control can be at the top without a parent, this one is dropped: ") +
             pstrClass);
    } else {
        Fail(CUIString("SkinUI: a control its parent refused is dropped: ") + pstrClass);
    }
    // One that already had a parent (a callback may hand out any control) stays with it.
    if (pControl->GetParent() == nullptr) delete pControl;
}

void CDlgBuilder::Configure(CControlUI* pControl, CXmlElem& elem, CPaintManagerUI* pManager, CControlUI* pParent)
{
    if (pManager != nullptr) {
        pControl->SetManager(pManager, pParent, false);
        const char* pDefault = pManager->GetDefaultAttributeList(elem.GetName());
        if (pDefault != nullptr) pControl->ApplyAttributeList(pDefault);
    }
    for (int i = 0; i < elem.GetAttributeCount(); ++i) {
        pControl->SetAttribute(elem.GetAttributeName(i), elem.GetAttributeValue(i));
    }
    if (pManager != nullptr) pControl->SetManager(nullptr, pParent, false);
}

void CDlgBuilder::Fail(const char* text)
{
    Trace(text);
    if (m_sError.IsEmpty()) m_sError = text;
}

void CDlgBuilder::Trace(const char* text) const
{
    if (m_pTrace != nullptr) {
        m_pTrace(text, m_pTraceContext);
        return;
    }
    ::OutputDebugStringA((CUIString(text) + "\n").GetData());
}

} // namespace SkinUI
