#include <gtest/gtest.h>
#include <memory>
#include <string>
#include "BuilderTestSupport.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"

using namespace SkinUI;

namespace {

std::string ChildNames(CControlUI* pControl)
{
    std::string names;
    for (int i = 0; i < ChildCount(pControl); ++i) {
        if (!names.empty()) names += ",";
        names += NameOf(Child(pControl, i));
    }
    return names;
}

} // namespace

TEST(DlgBuilderInclude, CountRepeatsTheSourceAndCountsBelowOneOrMissingSourcesAddNothing)
{
    CSkinFolder folder;
    folder.Write("part.xml", "<Part><Control name=\"p\"/><Control name=\"q\"/></Part>");
    CDlgBuilder builder;
    std::unique_ptr<CControlUI> root(builder.Create(
        "<Window><VerticalLayout><Include source=\"part.xml\" count=\"3\"><Control name=\"ignored\"/></Include>"
        "<Include source=\"part.xml\" count=\"0\"/><Include source=\"part.xml\" count=\"-2\"/><Include/>"
        "<Include count=\"2\"/><Include source=\"absent.xml\"/><Include source=\"part.xml\" count=\"x\"/>"
        "<Control name=\"last\"/></VerticalLayout></Window>"));
    EXPECT_EQ(ChildNames(root.get()), "p,q,p,q,p,q,last");
}

TEST(DlgBuilderInclude, NestedIncludesAndInlineMarkupSources)
{
    CSkinFolder folder;
    folder.Write("outer.xml", "<Part><Control name=\"o\"/><Include source=\"inner.xml\" count=\"2\"/></Part>");
    folder.Write("inner.xml", "<Part><Control name=\"i\"/></Part>");
    CDlgBuilder builder;
    std::unique_ptr<CControlUI> root(builder.Create(
        "<Window><VerticalLayout><Include source=\"outer.xml\"/>"
        "<Include source=\"&lt;P&gt;&lt;Control name=&quot;t&quot;/&gt;&lt;/P&gt;\"/></VerticalLayout></Window>"));
    EXPECT_EQ(ChildNames(root.get()), "o,i,i,t");
}

TEST(DlgBuilderInclude, IncludedControlsAreNotTheFirstControl)
{
    CSkinFolder folder;
    folder.Write("part.xml", "<Part><Control name=\"p\"/></Part>");
    CVerticalLayoutUI parent;
    CDlgBuilder builder;
    CControlUI* first = builder.Create("<Window><Include source=\"part.xml\"/><Control name=\"own\"/></Window>",
                                       nullptr, nullptr, nullptr, &parent);
    EXPECT_EQ(ChildNames(&parent), "p,own");
    EXPECT_EQ(NameOf(first), "own");
}

TEST(DlgBuilderInclude, IncludedMarkupSharesCallbackManagerAndTrace)
{
    CSkinFolder folder;
    folder.Write("part.xml", "<Part><Font name=\"Arial\" size=\"9\"/><Probe name=\"probe\"/><Mystery/></Part>");
    CRecordingCallback callback;
    TTraceLog trace;
    CPaintManagerUI pm;
    CDlgBuilder builder;
    trace.Attach(builder);
    std::unique_ptr<CControlUI> root(builder.Create(
        "<Window><Default name=\"Probe\" value=\"width=&quot;4&quot;\"/><VerticalLayout>"
        "<Include source=\"part.xml\"/></VerticalLayout></Window>",
        nullptr, &callback, &pm));
    ASSERT_EQ(ChildCount(root.get()), 1);
    EXPECT_STREQ(Child(root.get(), 0)->GetClass(), "ProbeUI");
    EXPECT_EQ(Child(root.get(), 0)->GetFixedWidth(), 4);
    EXPECT_EQ(pm.GetFontInfo(0)->iSize, 9);
    EXPECT_TRUE(trace.Contains("未知控件:Mystery"));
}

TEST(DlgBuilderInclude, AFileIncludingItselfIsCutAtTheRepeat)
{
    CSkinFolder folder;
    folder.Write("self.xml", "<Part><Control name=\"s\"/><Include source=\"SELF.xml\"/></Part>");
    folder.Write("a.xml", "<Part><Control name=\"a\"/><Include source=\"b.xml\" count=\"2\"/></Part>");
    folder.Write("b.xml", "<Part><Control name=\"b\"/><Include source=\"a.xml\" count=\"2\"/></Part>");
    TTraceLog trace;
    CDlgBuilder builder;
    trace.Attach(builder);
    std::unique_ptr<CControlUI> root(builder.Create(
        "<Window><VerticalLayout><Include source=\"self.xml\"/><Include source=\"a.xml\"/></VerticalLayout>"
        "</Window>"));
    EXPECT_EQ(ChildNames(root.get()), "s,a,b,b");
    EXPECT_TRUE(trace.Contains("include cycle"));
}

TEST(DlgBuilderInclude, TheTopFileIncludingItselfIsCutToo)
{
    CSkinFolder folder;
    folder.Write("top.xml", "<Window><VerticalLayout><Control name=\"t\"/><Include source=\"top.xml\"/>"
                            "</VerticalLayout></Window>");
    CDlgBuilder builder;
    std::unique_ptr<CControlUI> root(builder.Create("top.xml"));
    EXPECT_EQ(ChildNames(root.get()), "t");
}

class DlgBuilderResource : public ::testing::Test {
protected:
    void SetUp() override { CPaintManagerUI::SetInstance(::GetModuleHandleA(nullptr)); }
};

TEST_F(DlgBuilderResource, IncludesInheritTheResourceType)
{
    CDlgBuilder builder;
    std::unique_ptr<CControlUI> root(builder.CreateFromResource(101, "SKIN"));
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(NameOf(root.get()), "resroot");
    EXPECT_EQ(ChildNames(root.get()), "respart,resleaf,respart,resleaf,resafter");
    // A resource including itself is built once.
    CDlgBuilder self;
    std::unique_ptr<CControlUI> selfRoot(self.CreateFromResource(104, "SKIN"));
    EXPECT_EQ(ChildNames(selfRoot.get()), "self");
}

TEST_F(DlgBuilderResource, MissingResourcesOrTypesGiveNoRoot)
{
    CDlgBuilder missing;
    EXPECT_EQ(missing.CreateFromResource(999, "SKIN"), nullptr);
    CDlgBuilder wrongType;
    EXPECT_EQ(wrongType.CreateFromResource(101, "PNG"), nullptr);
    CDlgBuilder noType;
    EXPECT_EQ(noType.CreateFromResource(101, nullptr), nullptr);
}

TEST_F(DlgBuilderResource, WithoutAResourceTypeANumberIsAFileName)
{
    CSkinFolder folder;
    CDlgBuilder builder;
    std::unique_ptr<CControlUI> root(builder.Create(
        "<Window><VerticalLayout><Include source=\"102\"/><Control name=\"only\"/></VerticalLayout></Window>"));
    EXPECT_EQ(ChildNames(root.get()), "only");
}
