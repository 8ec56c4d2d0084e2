#include <gtest/gtest.h>
#include <windows.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>
#include "SkinUI/Control/TreeNodeUI.h"
#include "SkinUI/Core/ControlFactory.h"
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Core/DlgBuilder.h"
#include "SkinUI/Core/DlgResources.h"
#include "SkinUI/Core/DlgWindowAttributes.h"
#include "SkinUI/Core/IContainerUI.h"
#include "SkinUI/Core/IDialogBuilderCallback.h"
#include "SkinUI/Core/MarkupBounds.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/XmlDoc.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"
#include "tests/SkinUI/support/TestWindow.h"

using namespace SkinUI;

namespace {

// Collects what a builder would send to the debugger.
struct TTraceLog {
    std::vector<std::string> lines;

    static void Record(const char* text, void* context) { static_cast<TTraceLog*>(context)->lines.push_back(text); }
    bool Contains(const std::string& part) const
    {
        for (const std::string& line : lines) {
            if (line.find(part) != std::string::npos) return true;
        }
        return false;
    }
};

// Counts the probes alive, so that a build can be seen to leak none.
class CProbeUI : public CControlUI {
public:
    CProbeUI() { ++s_live; }
    ~CProbeUI() override { --s_live; }
    const char* GetClass() const override { return "ProbeUI"; }
    static int s_live;
};
int CProbeUI::s_live = 0;

// Knows one application class, "Probe", and remembers every name it was asked for.
class CRecordingCallback : public IDialogBuilderCallback {
public:
    CControlUI* CreateControl(const char* pstrClass) override
    {
        asked.push_back(pstrClass);
        return std::string(pstrClass) == "Probe" ? new CProbeUI() : nullptr;
    }
    std::vector<std::string> asked;
};

// A builder whose trace is kept.
struct TBuild {
    TBuild() { builder.SetTraceProc(&TTraceLog::Record, &trace); }
    CControlUI* operator()(const std::string& markup, CPaintManagerUI* pm = nullptr, CControlUI* parent = nullptr)
    {
        return builder.Create(markup.c_str(), nullptr, &callback, pm, parent);
    }
    CDlgBuilder builder;
    TTraceLog trace;
    CRecordingCallback callback;
};

int ChildCount(CControlUI* pControl)
{
    auto* container = pControl != nullptr ? static_cast<IContainerUI*>(pControl->GetInterface("IContainer")) : nullptr;
    return container != nullptr ? container->GetCount() : -1;
}

CControlUI* Child(CControlUI* pControl, int index)
{
    return static_cast<IContainerUI*>(pControl->GetInterface("IContainer"))->GetItemAt(index);
}

std::string NameOf(CControlUI* pControl)
{
    return pControl != nullptr ? std::string(pControl->GetName().GetData()) : std::string("<null>");
}

// The names (or classes) of the children, each followed by its own children in brackets.
std::string ChildNames(CControlUI* pControl, bool classes = false)
{
    std::string out;
    for (int i = 0; i < ChildCount(pControl); ++i) {
        CControlUI* child = Child(pControl, i);
        out += (out.empty() ? "" : ",") + (classes ? std::string(child->GetClass()) : NameOf(child));
        if (ChildCount(child) > 0) out += "[" + ChildNames(child, classes) + "]";
    }
    return out;
}

std::string BuiltNames(const std::string& markup)
{
    std::unique_ptr<CControlUI> root(TBuild()(markup));
    return ChildNames(root.get());
}

// A folder of skin files under the temporary directory, used as the resource path while it lives.
class CSkinFolder {
public:
    CSkinFolder()
    {
        std::filesystem::create_directories(m_path);
        CPaintManagerUI::SetResourcePath((m_path.string() + "\\").c_str());
    }
    ~CSkinFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
        CPaintManagerUI::SetResourcePath("");
    }
    CSkinFolder(const CSkinFolder&) = delete;
    CSkinFolder& operator=(const CSkinFolder&) = delete;

    void Write(const char* name, const std::string& text) { std::ofstream(m_path / name, std::ios::binary) << text; }

private:
    static int s_count;
    std::filesystem::path m_path =
        std::filesystem::temp_directory_path() /
        ("skinui_builder_" + std::to_string(::GetCurrentProcessId()) + "_" + std::to_string(++s_count));
};
int CSkinFolder::s_count = 0;

} // namespace

TEST(DlgBuilder, BuildsEveryClassOfTheTableInDocumentOrder)
{
    EXPECT_EQ(
        ChildNames(std::unique_ptr<CControlUI>(
                       TBuild()("<Window><VerticalLayout name=\"root\"><Control/><Container/><HorizontalLayout/>"
                                "<TabLayout/><Label/><Text/><Button/><Option/><CheckBox/><Edit/><RichEdit/><Combo/>"
                                "<ComboBox/><ScrollBar/><Progress/><List><ListHeader><ListHeaderItem/></ListHeader>"
                                "<ListTextElement/><ListContainerElement/><ListLabelElement/></List><TreeView>"
                                "<TreeNode/></TreeView></VerticalLayout></Window>"))
                       .get(),
                   true),
        "ControlUI,ContainerUI,HorizontalLayoutUI,TabLayoutUI,LabelUI,TextUI,ButtonUI,OptionUI,CheckBoxUI,"
        "EditUI,RichEditUI,ComboUI,ComboBoxUI,ScrollBarUI,ProgressUI,"
        "ListUI[ListHeaderUI[ListHeaderItemUI],ListTextElementUI,ListContainerElementUI,ListLabelElementUI],"
        "TreeViewUI[TreeNodeUI]");
    // The factory names are exact and leave tree nodes and includes to the builder.
    for (const char* name :
         {"button", "VERTICALLAYOUT", "Control ", "", "Include", "TreeNode", static_cast<const char*>(nullptr)}) {
        EXPECT_EQ(CControlFactory::Create(name), nullptr) << (name != nullptr ? name : "<null>");
    }
}

TEST(DlgBuilder, ReturnsTheFirstTopLevelControlDetachedAndFillsTheParent)
{
    CVerticalLayoutUI parent;
    CControlUI* first = TBuild()("<Window><Font name=\"Arial\"/><Control name=\"x\" width=\"10\" name=\"a\" "
                                 "visible=\"false\"/><Control name=\"b\"/></Window>",
                                 nullptr, &parent);
    EXPECT_EQ(ChildNames(&parent), "a,b");
    EXPECT_EQ(first, parent.GetItemAt(0));
    EXPECT_EQ(first->GetFixedWidth(), 10);
    EXPECT_FALSE(first->IsVisible());
    EXPECT_EQ(first->GetManager(), nullptr);
}

TEST(DlgBuilder, WithoutAParentOneControlIsTheRootAndNoOtherIsLostUnreported)
{
    CSkinFolder folder;
    folder.Write("part.xml", "<Part><Probe name=\"included\"/></Part>");
    TBuild build;
    std::unique_ptr<CControlUI> root(
        build("<Window><Probe name=\"root\"/><Probe name=\"second\"/><Include source=\"part.xml\"/></Window>"));
    EXPECT_EQ(NameOf(root.get()), "root");
    EXPECT_TRUE(build.trace.Contains("ProbeUI"));
    EXPECT_TRUE(build.trace.Contains("part.xml"));
    EXPECT_NE(std::string(build.builder.GetError()).find("ProbeUI"), std::string::npos);
    root.reset();
    EXPECT_EQ(CProbeUI::s_live, 0);
    root.reset(build("<Window><Probe name=\"alone\"/></Window>"));
    EXPECT_EQ(NameOf(root.get()), "alone");
    EXPECT_TRUE(build.builder.GetError().IsEmpty());
}

TEST(DlgBuilder, DefaultListsApplyBeforeTheElementsOwnAttributes)
{
    const char* markup = "<Window><Default name=\"Control\" value=\"width=&quot;10&quot; height=&quot;20&quot;\"/>"
                         "<Default name=\"Control\" value=\"width=&quot;99&quot;\"/>"
                         "<VerticalLayout><Control height=\"30\"/><Control/><Container/></VerticalLayout></Window>";
    CPaintManagerUI pm;
    std::unique_ptr<CControlUI> root(TBuild()(markup, &pm));
    ASSERT_EQ(ChildCount(root.get()), 3);
    EXPECT_EQ(Child(root.get(), 0)->GetFixedWidth(), 10);
    EXPECT_EQ(Child(root.get(), 0)->GetFixedHeight(), 30);
    EXPECT_EQ(Child(root.get(), 1)->GetFixedHeight(), 20);
    // Lists are per element name, not inherited by derived classes.
    EXPECT_EQ(Child(root.get(), 2)->GetFixedWidth(), 0);
    // Without a manager the lists are not applied.
    std::unique_ptr<CControlUI> bare(TBuild()(markup));
    ASSERT_EQ(ChildCount(bare.get()), 3);
    EXPECT_EQ(Child(bare.get(), 0)->GetFixedWidth(), 0);
}

TEST(DlgBuilder, OnlyUnknownNamesGoToTheCallbackAndUnbuiltOnesAreSkippedWithTheirSubtree)
{
    TBuild build;
    std::unique_ptr<CControlUI> root(
        build("<Window><VerticalLayout><Bogus><Control name=\"inner\"/><Probe/></Bogus><Probe name=\"p\" width=\"7\"/>"
              "<button/><Control name=\"leaf\"><Control name=\"lost\"/></Control><Control name=\"after\"/>"
              "</VerticalLayout></Window>"));
    EXPECT_EQ(ChildNames(root.get()), "p,leaf,after");
    EXPECT_STREQ(Child(root.get(), 0)->GetClass(), "ProbeUI");
    EXPECT_EQ(Child(root.get(), 0)->GetFixedWidth(), 7);
    EXPECT_EQ(build.callback.asked, (std::vector<std::string>{"Bogus", "Probe", "button"}));
    EXPECT_TRUE(build.trace.Contains("未知控件:Bogus"));
    EXPECT_TRUE(build.trace.Contains("未知控件:button"));
    EXPECT_TRUE(build.trace.Contains("ControlUI"));
    CDlgBuilder plain;
    EXPECT_EQ(plain.Create("<Window><Probe/></Window>"), nullptr);
}

TEST(DlgBuilder, MalformedEmptyOrFileMarkup)
{
    CDlgBuilder builder;
    EXPECT_EQ(builder.Create("<Window><VerticalLayout></Window>"), nullptr);
    EXPECT_STREQ(builder.GetMarkup()->GetLastErrorMessage(), "Unmatched closing tag");
    for (const char* markup : {"<!-- nothing -->", "<Window size=\"10,10\"/>", static_cast<const char*>(nullptr)}) {
        CDlgBuilder empty;
        EXPECT_EQ(empty.Create(markup), nullptr);
        EXPECT_EQ(empty.Create(), nullptr);
    }
    // Text not starting with an angle bracket is a file name.
    CSkinFolder folder;
    EXPECT_EQ(builder.Create(" <Window><Control/></Window>"), nullptr);
    EXPECT_STREQ(builder.GetMarkup()->GetLastErrorMessage(), "Error opening file");
    folder.Write("skin.xml", "\xEF\xBB\xBF<Window><Control name=\"fromfile\" text=\"\xE4\xB8\xAD\"/></Window>");
    std::unique_ptr<CControlUI> root(builder.Create("skin.xml"));
    EXPECT_EQ(NameOf(root.get()), "fromfile");
    // The loaded markup can be built again.
    std::unique_ptr<CControlUI> again(builder.Create());
    EXPECT_NE(again, root);
    EXPECT_EQ(NameOf(again.get()), "fromfile");
}

TEST(DlgBuilder, TreeNodesGoToTheirParentNodeAndOutsideATreeEndTheLevel)
{
    std::unique_ptr<CControlUI> root(
        TBuild()("<Window><TreeView><TreeNode name=\"n1\"><TreeNode name=\"n2\"><TreeNode name=\"n3\"/></TreeNode>"
                 "<Control name=\"item\"/></TreeNode><TreeNode name=\"m1\"/></TreeView></Window>"));
    ASSERT_EQ(ChildNames(root.get()), "n1[n2[n3],item],m1");
    auto* n1 = static_cast<CTreeNodeUI*>(Child(root.get(), 0)->GetInterface("TreeNode"));
    auto* n2 = static_cast<CTreeNodeUI*>(Child(n1, 0)->GetInterface("TreeNode"));
    ASSERT_NE(n2, nullptr);
    EXPECT_EQ(n1->GetParentNode(), nullptr);
    EXPECT_EQ(n2->GetParentNode(), n1);
    TBuild outside;
    root.reset(outside("<Window><VerticalLayout><Control name=\"before\"/><TreeNode><Control/>"
                       "</TreeNode><Control name=\"after\"/></VerticalLayout></Window>"));
    EXPECT_EQ(ChildNames(root.get()), "before");
    EXPECT_TRUE(outside.trace.Contains("tree"));
    // Tree nodes do not count as the first control of a level.
    EXPECT_EQ(TBuild()("<Window><TreeNode/><Control/></Window>"), nullptr);
}

TEST(DlgBuilder, NestingIsBuiltWholeBelowTheLimitAndCutAtIt)
{
    for (int levels : {100, 20000}) {
        std::string markup = "<Window>";
        for (int i = 0; i < levels; ++i) markup += "<VerticalLayout>";
        for (int i = 0; i < levels; ++i) markup += "</VerticalLayout>";
        TBuild build;
        std::unique_ptr<CControlUI> root(build(markup + "</Window>"));
        int depth = 0;
        for (CControlUI* p = root.get(); ChildCount(p) > 0; p = Child(p, 0)) ++depth;
        EXPECT_EQ(depth, levels == 100 ? levels - 1 : CDlgBuilder::kMaxDepth - 1);
        EXPECT_EQ(build.trace.Contains("nested too deeply"), levels != 100);
    }
}

TEST(DlgBuilderInclude, CountNestingInlineSourcesAndBadCounts)
{
    CSkinFolder folder;
    folder.Write("part.xml", "<Part><Control name=\"p\"/><Control name=\"q\"/></Part>");
    folder.Write("outer.xml", "<Part><Control name=\"o\"/><Include source=\"inner.xml\" count=\"2\"/></Part>");
    folder.Write("inner.xml", "<Part><Control name=\"i\"/></Part>");
    EXPECT_EQ(
        BuiltNames("<Window><VerticalLayout><Include source=\"part.xml\" count=\"3\"><Control name=\"ignored\"/>"
                   "</Include><Include source=\"part.xml\" count=\"0\"/><Include source=\"part.xml\" count=\"-2\"/>"
                   "<Include/><Include count=\"2\"/><Include source=\"absent.xml\"/><Include source=\"part.xml\" "
                   "count=\"x\"/><Include source=\"outer.xml\"/><Include source=\"&lt;P&gt;&lt;Control "
                   "name=&quot;t&quot;/&gt;&lt;/P&gt;\"/><Control name=\"last\"/></VerticalLayout></Window>"),
        "p,q,p,q,p,q,o,i,i,t,last");
    // Included controls are not the first control of a level.
    CVerticalLayoutUI parent;
    CControlUI* first =
        TBuild()("<Window><Include source=\"inner.xml\"/><Control name=\"own\"/></Window>", nullptr, &parent);
    EXPECT_EQ(ChildNames(&parent), "i,own");
    EXPECT_EQ(NameOf(first), "own");
}

TEST(DlgBuilderInclude, OneBuildRunsAThousandIncludesAtMostAndSaysSo)
{
    CSkinFolder folder;
    folder.Write("leaf.xml", "<Part><Control/></Part>");
    folder.Write("ten.xml", "<Part><Include source=\"leaf.xml\" count=\"10\"/></Part>");
    for (const char* include :
         {"<Include source=\"leaf.xml\" count=\"2147483647\"/>", "<Include source=\"leaf.xml\" count=\"99999999999\"/>",
          "<Include source=\"ten.xml\" count=\"500\"/>"}) {
        TBuild build;
        std::unique_ptr<CControlUI> root(
            build(std::string("<Window><VerticalLayout>") + include + "</VerticalLayout></Window>"));
        EXPECT_LE(ChildCount(root.get()), CMarkupBounds::kMaxIncludes) << include;
        EXPECT_GT(ChildCount(root.get()), 0) << include;
        EXPECT_NE(std::string(build.builder.GetError()).find("1000"), std::string::npos) << include;
    }
}

TEST(DlgBuilderInclude, IncludedMarkupSharesCallbackManagerAndTrace)
{
    CSkinFolder folder;
    folder.Write("part.xml", "<Part><Font name=\"Arial\" size=\"9\"/><Probe name=\"probe\"/><Mystery/></Part>");
    CPaintManagerUI pm;
    TBuild build;
    std::unique_ptr<CControlUI> root(build("<Window><Default name=\"Probe\" value=\"width=&quot;4&quot;\"/>"
                                           "<VerticalLayout><Include source=\"part.xml\"/></VerticalLayout></Window>",
                                           &pm));
    ASSERT_EQ(ChildNames(root.get(), true), "ProbeUI");
    EXPECT_EQ(Child(root.get(), 0)->GetFixedWidth(), 4);
    EXPECT_EQ(pm.GetFontInfo(0)->iSize, 9);
    EXPECT_TRUE(build.trace.Contains("未知控件:Mystery"));
}

TEST(DlgBuilderInclude, IncludeCyclesAreCutAtTheRepeat)
{
    CSkinFolder folder;
    folder.Write("self.xml", "<Part><Control name=\"s\"/><Include source=\"SELF.xml\"/></Part>");
    folder.Write("a.xml", "<Part><Control name=\"a\"/><Include source=\"b.xml\" count=\"2\"/></Part>");
    folder.Write("b.xml", "<Part><Control name=\"b\"/><Include source=\"a.xml\" count=\"2\"/></Part>");
    folder.Write("top.xml", "<Window><VerticalLayout><Control name=\"t\"/><Include source=\"top.xml\"/>"
                            "</VerticalLayout></Window>");
    TBuild build;
    std::unique_ptr<CControlUI> root(
        build("<Window><VerticalLayout><Include source=\"self.xml\"/><Include source=\"a.xml\"/></VerticalLayout>"
              "</Window>"));
    EXPECT_EQ(ChildNames(root.get()), "s,a,b,b");
    EXPECT_TRUE(build.trace.Contains("include cycle"));
    EXPECT_EQ(BuiltNames("top.xml"), "t");
}

TEST(DlgBuilderInclude, ResourceIncludesInheritTheResourceType)
{
    CPaintManagerUI::SetInstance(::GetModuleHandleA(nullptr));
    CDlgBuilder builder;
    std::unique_ptr<CControlUI> root(builder.CreateFromResource(101, "SKIN"));
    EXPECT_EQ(NameOf(root.get()), "resroot");
    EXPECT_EQ(ChildNames(root.get()), "respart,resleaf,respart,resleaf,resafter");
    CDlgBuilder self;
    root.reset(self.CreateFromResource(104, "SKIN"));
    EXPECT_EQ(ChildNames(root.get()), "self");
    const std::pair<UINT, const char*> missing[] = {{999, "SKIN"}, {101, "PNG"}, {101, nullptr}};
    for (const auto& m : missing) EXPECT_EQ(CDlgBuilder().CreateFromResource(m.first, m.second), nullptr) << m.first;
    // Without a resource type a number is a file name.
    CSkinFolder folder;
    EXPECT_EQ(BuiltNames("<Window><VerticalLayout><Include source=\"102\"/><Control name=\"only\"/></VerticalLayout>"
                         "</Window>"),
              "only");
}

TEST(DlgBuilderWindow, WindowAttributesReachOnlyAManagerWithAWindowFromARootNamedWindow)
{
    const std::string markup = "<Window size=\"320,240\" caption=\"0,0,0,28\" showdirty=\"true\" alpha=\"200\" "
                               "selectedcolor=\"#FF445566\" unknown=\"1\"><VerticalLayout/></Window>";
    CPaintManagerUI windowless;
    std::unique_ptr<CControlUI> root(TBuild()(markup, &windowless));
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(windowless.GetInitSize().cx, 0);
    EXPECT_FALSE(windowless.IsShowUpdateRect());
    CTestWindow window(100, 80);
    CPaintManagerUI& pm = window.GetManager();
    std::unique_ptr<CControlUI> other(
        TBuild()("<Dialog size=\"320,240\"><Font name=\"Arial\" size=\"11\"/><Control/></Dialog>", &pm));
    ASSERT_NE(other, nullptr);
    RECT rc = {};
    ::GetWindowRect(window.GetHWND(), &rc);
    EXPECT_EQ(rc.right - rc.left, 100);
    EXPECT_EQ(pm.GetInitSize().cx, 0);
    // Resources are still taken from any root.
    EXPECT_EQ(pm.GetFontInfo(0)->iSize, 11);
    root.reset(TBuild()(markup, &pm));
    // Without a root yet the window takes the size at once.
    ::GetWindowRect(window.GetHWND(), &rc);
    EXPECT_EQ(rc.right - rc.left, 320);
    EXPECT_EQ(rc.bottom - rc.top, 240);
    EXPECT_EQ(pm.GetCaptionRect().bottom, 28);
    EXPECT_TRUE(pm.IsShowUpdateRect());
    EXPECT_EQ(pm.GetTransparent(), 200);
    EXPECT_NE(::GetWindowLongA(window.GetHWND(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    EXPECT_EQ(pm.GetDefaultSelectedBkColor(), 0xFF445566u);
}

TEST(DlgBuilderWindow, ControlsBuiltIntoAnAttachedParentStayAttached)
{
    CTestWindow window(100, 80);
    CPaintManagerUI& pm = window.GetManager();
    CControlUI* root = TBuild()("<Window><VerticalLayout><Control name=\"a\"/></VerticalLayout></Window>", &pm);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(pm.FindControl("a"), nullptr);
    ASSERT_TRUE(pm.AttachDialog(root));
    EXPECT_EQ(pm.FindControl("a")->GetParent(), root);
    CControlUI* added = TBuild()("<Window><Default name=\"Control\" value=\"height=&quot;12&quot;\"/>"
                                 "<Container name=\"added\"><Control name=\"inner\"/></Container></Window>",
                                 &pm, root);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(ChildNames(root), "a,added[inner]");
    EXPECT_EQ(pm.FindControl("added"), added);
    CControlUI* inner = pm.FindControl("inner");
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->GetManager(), &pm);
    EXPECT_EQ(inner->GetFixedHeight(), 12);
}

TEST(DlgResources, FontsGetIndicesInDocumentOrderWhateverLiesBetweenAndImagesLoadFromTheResourcePath)
{
    // A 2 x 2 opaque red PNG.
    const unsigned char kRedPng[] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49,
                                     0x48, 0x44, 0x52, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06,
                                     0x00, 0x00, 0x00, 0x72, 0xB6, 0x0D, 0x24, 0x00, 0x00, 0x00, 0x11, 0x49, 0x44,
                                     0x41, 0x54, 0x78, 0x9C, 0x63, 0xF8, 0xCF, 0xC0, 0xF0, 0x1F, 0x84, 0x19, 0x60,
                                     0x0C, 0x00, 0x47, 0xCA, 0x07, 0xF9, 0x67, 0x59, 0x6E, 0xB7, 0x00, 0x00, 0x00,
                                     0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
    CSkinFolder folder;
    folder.Write("red.png", std::string(reinterpret_cast<const char*>(kRedPng), sizeof(kRedPng)));
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load("<Window><Font name=\"Arial\" size=\"10\"/><Control/>"
                         "<Default name=\"Control\" value=\"width=&quot;5&quot;\"/><Font size=\"99\"/>"
                         "<Font name=\"Tahoma\" size=\"14\" bold=\"true\" underline=\"true\"/>"
                         "<VerticalLayout><Font name=\"Inner\"/><Default name=\"Label\" value=\"x\"/></VerticalLayout>"
                         "<Font name=\"Courier New\" size=\"16\" italic=\"true\" default=\"true\"/>"
                         "<Default name=\"Control\" value=\"width=&quot;6&quot;\"/>"
                         "<Default name=\"control\" value=\"height=&quot;3&quot;\"/>"
                         "<Image name=\"red.png\" mask=\"#FF00FF00\"/><Image name=\"none.png\"/>"
                         "<Image name=\"red\" restype=\"PNG\"/></Window>"));
    CPaintManagerUI pm;
    CDlgResources::Load(doc.GetRoot(), pm);
    ASSERT_NE(pm.GetFontInfo(2), pm.GetDefaultFontInfo());
    EXPECT_STREQ(pm.GetFontInfo(0)->sFontName, "Arial");
    EXPECT_STREQ(pm.GetFontInfo(1)->sFontName, "Tahoma");
    EXPECT_TRUE(pm.GetFontInfo(1)->bBold && pm.GetFontInfo(1)->bUnderline);
    EXPECT_TRUE(pm.GetFontInfo(2)->bItalic);
    // Nameless and nested fonts take no index; a "default" font also becomes the default.
    EXPECT_EQ(pm.GetFontInfo(3), pm.GetDefaultFontInfo());
    EXPECT_STREQ(pm.GetDefaultFontInfo()->sFontName, "Courier New");
    EXPECT_EQ(pm.GetDefaultFontInfo()->iSize, 16);
    EXPECT_STREQ(pm.GetDefaultAttributeList("Control"), "width=\"5\"");
    EXPECT_STREQ(pm.GetDefaultAttributeList("control"), "height=\"3\"");
    EXPECT_EQ(pm.GetDefaultAttributeList("Label"), nullptr);
    const TImageRec* image = pm.GetImage("red.png");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->nX * 10 + image->nY, 22);
    EXPECT_EQ(image->dwMask, 0xFF00FF00u);
    EXPECT_EQ(pm.GetImage("none.png"), nullptr);
    // With a resource type the name must be a number.
    EXPECT_EQ(pm.GetImage("red"), nullptr);
}

TEST(WindowAttributes, BadValuesAndNamesKeepTheSettingAndLargeOnesAreClamped)
{
    CPaintManagerUI pm;
    ASSERT_TRUE(CDlgWindowAttributes::Apply(pm, "mininfo", "100,50"));
    ASSERT_TRUE(CDlgWindowAttributes::Apply(pm, "size", "300,200"));
    ASSERT_TRUE(CDlgWindowAttributes::Apply(pm, "alpha", "128"));
    const char* bad[][2] = {{"mininfo", "-1,50"},     {"maxinfo", "10,-5"}, {"size", "wide,tall"}, {"size", "300"},
                            {"roundcorner", "-3,-3"}, {"caption", "0,0,0"}, {"alpha", "half"},     {"Size", "10,10"},
                            {"title", "x"},           {nullptr, "1"},       {"size", nullptr}};
    for (const auto& entry : bad) {
        EXPECT_FALSE(CDlgWindowAttributes::Apply(pm, entry[0], entry[1])) << (entry[0] ? entry[0] : "");
    }
    EXPECT_EQ(pm.GetMinInfo().cx * 1000 + pm.GetMinInfo().cy, 100050);
    EXPECT_EQ(pm.GetMaxInfo().cx, 0);
    EXPECT_EQ(pm.GetInitSize().cx * 1000 + pm.GetInitSize().cy, 300200);
    EXPECT_EQ(pm.GetRoundCorner().cx, 0);
    EXPECT_EQ(pm.GetCaptionRect().bottom, 0);
    // Text that is no number must not turn the window invisible.
    EXPECT_EQ(pm.GetTransparent(), 128);
    EXPECT_TRUE(CDlgWindowAttributes::Apply(pm, "alpha", "300"));
    EXPECT_EQ(pm.GetTransparent(), 255);
    EXPECT_TRUE(CDlgWindowAttributes::Apply(pm, "showdirty", "TRUE"));
    EXPECT_FALSE(pm.IsShowUpdateRect());
    // Window sizes and corners beyond any real skin are clamped.
    const int max = CMarkupBounds::kMaxWindowExtent;
    for (const char* name : {"size", "mininfo", "maxinfo", "roundcorner"}) {
        EXPECT_TRUE(CDlgWindowAttributes::Apply(pm, name, "2147483648,99999")) << name;
    }
    EXPECT_EQ(pm.GetInitSize().cx, max);
    EXPECT_EQ(pm.GetMinInfo().cy, max);
    EXPECT_EQ(pm.GetMaxInfo().cx, max);
    EXPECT_EQ(pm.GetRoundCorner().cy, max);
}
