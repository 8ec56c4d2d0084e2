#include <gtest/gtest.h>
#include <windows.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Core/DlgBuilder.h"
#include "SkinUI/Core/DlgWindowAttributes.h"
#include "SkinUI/Core/IContainerUI.h"
#include "SkinUI/Core/IDialogBuilderCallback.h"
#include "SkinUI/Core/MarkupBounds.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"
#include "tests/SkinUI/support/TestWindow.h"

using namespace SkinUI;

namespace {

// Collects what a builder would send to the debugger.
struct TTraceLog {
    std::string text;
    static void Record(const char* line, void* context) { static_cast<TTraceLog*>(context)->text += line; }
    bool Contains(const std::string& part) const { return text.find(part) != std::string::npos; }
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

// Knows one application class, "Probe".
class CProbeCallback : public IDialogBuilderCallback {
public:
    CControlUI* CreateControl(const char* pstrClass) override
    {
        return std::string(pstrClass) == "Probe" ? new CProbeUI() : nullptr;
    }
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
    CProbeCallback callback;
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

// The names of the children, each followed by its own children in brackets.
std::string ChildNames(CControlUI* pControl)
{
    std::string out;
    for (int i = 0; i < ChildCount(pControl); ++i) {
        CControlUI* child = Child(pControl, i);
        out += (out.empty() ? "" : ",") + NameOf(child);
        if (ChildCount(child) > 0) out += "[" + ChildNames(child) + "]";
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
}

TEST(DlgBuilder, MalformedEmptyOrFileMarkup)
{
    CDlgBuilder builder;
    EXPECT_EQ(builder.Create("<Window><VerticalLayout></Window>"), nullptr);
    EXPECT_STREQ(builder.GetMarkup()->GetLastErrorMessage(), "Unmatched closing tag");
    EXPECT_EQ(CDlgBuilder().Create(static_cast<const char*>(nullptr)), nullptr);
    // Text not starting with an angle bracket is a file name.
    CSkinFolder folder;
    EXPECT_EQ(builder.Create(" <Window><Control/></Window>"), nullptr);
    EXPECT_STREQ(builder.GetMarkup()->GetLastErrorMessage(), "Error opening file");
    folder.Write("skin.xml", "\xEF\xBB\xBF<Window><Control name=\"fromfile\" text=\"\xE4\xB8\xAD\"/></Window>");
    std::unique_ptr<CControlUI> root(builder.Create("skin.xml"));
    EXPECT_EQ(NameOf(root.get()), "fromfile");
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

TEST(DlgBuilderInclude, CountsAndBadCountsOrSources)
{
    CSkinFolder folder;
    folder.Write("part.xml", "<Part><Control name=\"p\"/></Part>");
    EXPECT_EQ(BuiltNames("<Window><VerticalLayout><Include source=\"part.xml\" count=\"2\"/><Include "
                         "source=\"part.xml\" count=\"-2\"/><Include/><Include source=\"absent.xml\"/><Include "
                         "source=\"part.xml\" count=\"x\"/><Control name=\"last\"/></VerticalLayout></Window>"),
              "p,p,last");
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

TEST(DlgBuilderWindow, WindowAttributesReachTheManagersWindow)
{
    const std::string markup =
        "<Window size=\"320,240\" caption=\"0,0,0,28\" alpha=\"200\" unknown=\"1\"><VerticalLayout/></Window>";
    CTestWindow window(100, 80);
    CPaintManagerUI& pm = window.GetManager();
    std::unique_ptr<CControlUI> root(TBuild()(markup, &pm));
    // Without a root yet the window takes the size at once.
    RECT rc = {};
    ::GetWindowRect(window.GetHWND(), &rc);
    EXPECT_EQ(rc.right - rc.left, 320);
    EXPECT_NE(::GetWindowLongA(window.GetHWND(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
}

TEST(WindowAttributes, BadValuesAndNamesKeepTheSettingAndLargeOnesAreClamped)
{
    CPaintManagerUI pm;
    ASSERT_TRUE(CDlgWindowAttributes::Apply(pm, "mininfo", "100,50"));
    ASSERT_TRUE(CDlgWindowAttributes::Apply(pm, "size", "300,200"));
    ASSERT_TRUE(CDlgWindowAttributes::Apply(pm, "alpha", "128"));
    const char* bad[][2] = {
        {"mininfo", "-1,50"}, {"size", "300"}, {"alpha", "half"}, {nullptr, "1"}, {"size", nullptr}};
    for (const auto& entry : bad) {
        EXPECT_FALSE(CDlgWindowAttributes::Apply(pm, entry[0], entry[1])) << (entry[0] ? entry[0] : "");
    }
    EXPECT_EQ(pm.GetMinInfo().cx * 1000 + pm.GetMinInfo().cy, 100050);
    EXPECT_EQ(pm.GetInitSize().cx * 1000 + pm.GetInitSize().cy, 300200);
    // Text that is no number must not turn the window invisible.
    EXPECT_EQ(pm.GetTransparent(), 128);
    EXPECT_TRUE(CDlgWindowAttributes::Apply(pm, "alpha", "300"));
    EXPECT_EQ(pm.GetTransparent(), 255);
    // Window sizes and corners beyond any real skin are clamped.
    const int max = CMarkupBounds::kMaxWindowExtent;
    for (const char* name : {"size", "mininfo", "maxinfo", "roundcorner"}) {
        EXPECT_TRUE(CDlgWindowAttributes::Apply(pm, name, "2147483648,99999")) << name;
    }
    EXPECT_EQ(pm.GetInitSize().cx, max);
    EXPECT_EQ(pm.GetRoundCorner().cy, max);
}
