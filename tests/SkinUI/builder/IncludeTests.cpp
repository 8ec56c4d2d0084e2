#include <gtest/gtest.h>
#include <memory>
#include <string>
#include "BuilderTestSupport.h"
#include "SkinUI/Core/MarkupBounds.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"

using namespace SkinUI;

namespace {

std::string BuiltNames(const char* markup, CDlgBuilder& builder)
{
    std::unique_ptr<CControlUI> root(builder.Create(markup));
    return ChildNames(root.get());
}

} // namespace

TEST(DlgBuilderInclude, CountNestingInlineSourcesAndBadCounts)
{
    CSkinFolder folder;
    folder.Write("part.xml", "<Part><Control name=\"p\"/><Control name=\"q\"/></Part>");
    folder.Write("outer.xml", "<Part><Control name=\"o\"/><Include source=\"inner.xml\" count=\"2\"/></Part>");
    folder.Write("inner.xml", "<Part><Control name=\"i\"/></Part>");
    CDlgBuilder builder;
    EXPECT_EQ(
        BuiltNames(
            "<Window><VerticalLayout><Include source=\"part.xml\" count=\"3\"><Control name=\"ignored\"/></Include>"
            "<Include source=\"part.xml\" count=\"0\"/><Include source=\"part.xml\" count=\"-2\"/><Include/>"
            "<Include count=\"2\"/><Include source=\"absent.xml\"/><Include source=\"part.xml\" count=\"x\"/>"
            "<Include source=\"outer.xml\"/><Include source=\"&lt;P&gt;&lt;Control "
            "name=&quot;t&quot;/&gt;&lt;/P&gt;\"/>"
            "<Control name=\"last\"/></VerticalLayout></Window>",
            builder),
        "p,q,p,q,p,q,o,i,i,t,last");
    // Included controls are not the first control of a level.
    CVerticalLayoutUI parent;
    CControlUI* first = builder.Create("<Window><Include source=\"inner.xml\"/><Control name=\"own\"/></Window>",
                                       nullptr, nullptr, nullptr, &parent);
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
        CDlgBuilder builder;
        std::unique_ptr<CControlUI> root(
            builder.Create((std::string("<Window><VerticalLayout>") + include + "</VerticalLayout></Window>").c_str()));
        EXPECT_LE(ChildCount(root.get()), CMarkupBounds::kMaxIncludes) << include;
        EXPECT_GT(ChildCount(root.get()), 0) << include;
        EXPECT_NE(std::string(builder.GetError()).find("1000"), std::string::npos) << include;
    }
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
    std::unique_ptr<CControlUI> root(
        builder.Create("<Window><Default name=\"Probe\" value=\"width=&quot;4&quot;\"/><VerticalLayout>"
                       "<Include source=\"part.xml\"/></VerticalLayout></Window>",
                       nullptr, &callback, &pm));
    ASSERT_EQ(ChildNames(root.get(), true), "ProbeUI");
    EXPECT_EQ(Child(root.get(), 0)->GetFixedWidth(), 4);
    EXPECT_EQ(pm.GetFontInfo(0)->iSize, 9);
    EXPECT_TRUE(trace.Contains("未知控件:Mystery"));
}

TEST(DlgBuilderInclude, IncludeCyclesAreCutAtTheRepeat)
{
    CSkinFolder folder;
    folder.Write("self.xml", "<Part><Control name=\"s\"/><Include source=\"SELF.xml\"/></Part>");
    folder.Write("a.xml", "<Part><Control name=\"a\"/><Include source=\"b.xml\" count=\"2\"/></Part>");
    folder.Write("b.xml", "<Part><Control name=\"b\"/><Include source=\"a.xml\" count=\"2\"/></Part>");
    folder.Write("top.xml", "<Window><VerticalLayout><Control name=\"t\"/><Include source=\"top.xml\"/>"
                            "</VerticalLayout></Window>");
    TTraceLog trace;
    CDlgBuilder builder;
    trace.Attach(builder);
    EXPECT_EQ(BuiltNames("<Window><VerticalLayout><Include source=\"self.xml\"/><Include source=\"a.xml\"/>"
                         "</VerticalLayout></Window>",
                         builder),
              "s,a,b,b");
    EXPECT_TRUE(trace.Contains("include cycle"));
    CDlgBuilder top;
    EXPECT_EQ(BuiltNames("top.xml", top), "t");
}

TEST(DlgBuilderInclude, ResourceIncludesInheritTheResourceType)
{
    CPaintManagerUI::SetInstance(::GetModuleHandleA(nullptr));
    CDlgBuilder builder;
    std::unique_ptr<CControlUI> root(builder.CreateFromResource(101, "SKIN"));
    EXPECT_EQ(NameOf(root.get()), "resroot");
    EXPECT_EQ(ChildNames(root.get()), "respart,resleaf,respart,resleaf,resafter");
    CDlgBuilder self;
    std::unique_ptr<CControlUI> selfRoot(self.CreateFromResource(104, "SKIN"));
    EXPECT_EQ(ChildNames(selfRoot.get()), "self");
    const struct {
        UINT id;
        const char* type;
    } missing[] = {{999, "SKIN"}, {101, "PNG"}, {101, nullptr}};
    for (const auto& m : missing) {
        CDlgBuilder none;
        EXPECT_EQ(none.CreateFromResource(m.id, m.type), nullptr) << m.id;
    }
    // Without a resource type a number is a file name.
    CSkinFolder folder;
    CDlgBuilder file;
    EXPECT_EQ(BuiltNames("<Window><VerticalLayout><Include source=\"102\"/><Control name=\"only\"/></VerticalLayout>"
                         "</Window>",
                         file),
              "only");
}
