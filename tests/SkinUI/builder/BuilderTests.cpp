#include <gtest/gtest.h>
#include <string>
#include "BuilderTestSupport.h"
#include "SkinUI/Control/TreeNodeUI.h"
#include "SkinUI/Core/ControlFactory.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"

using namespace SkinUI;

TEST(DlgBuilder, BuildsEveryClassOfTheTableInDocumentOrder)
{
    CDlgBuilder builder;
    std::unique_ptr<CControlUI> root(builder.Create(
        "<Window><VerticalLayout name=\"root\"><Control/><Container/><HorizontalLayout/><TabLayout/>"
        "<Label/><Text/><Button/><Option/><CheckBox/><Edit/><RichEdit/><Combo/><ComboBox/><ScrollBar/><Progress/>"
        "<List><ListHeader><ListHeaderItem/></ListHeader><ListTextElement/><ListContainerElement/>"
        "<ListLabelElement/></List><TreeView><TreeNode/></TreeView></VerticalLayout></Window>"));
    ASSERT_NE(root, nullptr);
    EXPECT_STREQ(root->GetClass(), "VerticalLayoutUI");
    EXPECT_EQ(ChildNames(root.get(), true),
              "ControlUI,ContainerUI,HorizontalLayoutUI,TabLayoutUI,LabelUI,TextUI,ButtonUI,OptionUI,CheckBoxUI,"
              "EditUI,RichEditUI,ComboUI,ComboBoxUI,ScrollBarUI,ProgressUI,"
              "ListUI[ListHeaderUI[ListHeaderItemUI],ListTextElementUI,ListContainerElementUI,ListLabelElementUI],"
              "TreeViewUI[TreeNodeUI]");
}

TEST(DlgBuilder, ReturnsTheFirstTopLevelControlDetachedAndFillsTheParent)
{
    CVerticalLayoutUI parent;
    CDlgBuilder builder;
    CControlUI* first =
        builder.Create("<Window><Font name=\"Arial\"/><Control name=\"x\" width=\"10\" name=\"a\" visible=\"false\"/>"
                       "<Control name=\"b\"/></Window>",
                       nullptr, nullptr, nullptr, &parent);
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
    CRecordingCallback callback;
    TTraceLog trace;
    CDlgBuilder builder;
    trace.Attach(builder);
    std::unique_ptr<CControlUI> root(
        builder.Create("<Window><Probe name=\"root\"/><Probe name=\"second\"/><Include source=\"part.xml\"/></Window>",
                       nullptr, &callback));
    EXPECT_EQ(NameOf(root.get()), "root");
    EXPECT_TRUE(trace.Contains("ProbeUI"));
    EXPECT_TRUE(trace.Contains("part.xml"));
    EXPECT_NE(std::string(builder.GetError()).find("ProbeUI"), std::string::npos) << builder.GetError().GetData();
    root.reset();
    EXPECT_EQ(CProbeUI::Live(), 0);
    root.reset(builder.Create("<Window><Probe name=\"alone\"/></Window>", nullptr, &callback));
    EXPECT_EQ(NameOf(root.get()), "alone");
    EXPECT_TRUE(builder.GetError().IsEmpty());
}

TEST(DlgBuilder, DefaultListsApplyBeforeTheElementsOwnAttributes)
{
    const char* markup = "<Window><Default name=\"Control\" value=\"width=&quot;10&quot; height=&quot;20&quot;\"/>"
                         "<Default name=\"Control\" value=\"width=&quot;99&quot;\"/>"
                         "<VerticalLayout><Control height=\"30\"/><Control/><Container/></VerticalLayout></Window>";
    CPaintManagerUI pm;
    CDlgBuilder builder;
    std::unique_ptr<CControlUI> root(builder.Create(markup, nullptr, nullptr, &pm));
    ASSERT_EQ(ChildCount(root.get()), 3);
    EXPECT_EQ(Child(root.get(), 0)->GetFixedWidth(), 10);
    EXPECT_EQ(Child(root.get(), 0)->GetFixedHeight(), 30);
    EXPECT_EQ(Child(root.get(), 1)->GetFixedHeight(), 20);
    // Lists are per element name, not inherited by derived classes.
    EXPECT_EQ(Child(root.get(), 2)->GetFixedWidth(), 0);
    // Without a manager the lists are not applied.
    CDlgBuilder unmanaged;
    std::unique_ptr<CControlUI> bare(unmanaged.Create(markup));
    ASSERT_EQ(ChildCount(bare.get()), 3);
    EXPECT_EQ(Child(bare.get(), 0)->GetFixedWidth(), 0);
}

TEST(DlgBuilder, OnlyUnknownNamesGoToTheCallbackAndUnbuiltOnesAreSkippedWithTheirSubtree)
{
    CRecordingCallback callback;
    TTraceLog trace;
    CDlgBuilder builder;
    trace.Attach(builder);
    std::unique_ptr<CControlUI> root(builder.Create(
        "<Window><VerticalLayout><Bogus><Control name=\"inner\"/><Probe/></Bogus><Probe name=\"p\" width=\"7\"/>"
        "<button/><Control name=\"leaf\"><Control name=\"lost\"/></Control><Control name=\"after\"/>"
        "</VerticalLayout></Window>",
        nullptr, &callback));
    EXPECT_EQ(ChildNames(root.get()), "p,leaf,after");
    EXPECT_STREQ(Child(root.get(), 0)->GetClass(), "ProbeUI");
    EXPECT_EQ(Child(root.get(), 0)->GetFixedWidth(), 7);
    EXPECT_EQ(callback.asked, (std::vector<std::string>{"Bogus", "Probe", "button"}));
    EXPECT_TRUE(trace.Contains("未知控件:Bogus"));
    EXPECT_TRUE(trace.Contains("未知控件:button"));
    EXPECT_TRUE(trace.Contains("ControlUI"));
    CDlgBuilder plain;
    EXPECT_EQ(plain.Create("<Window><Probe/></Window>"), nullptr);
}

TEST(DlgBuilder, MalformedOrEmptyMarkupGivesNoRootAndKeepsTheParserMessage)
{
    CDlgBuilder builder;
    EXPECT_EQ(builder.Create("<Window><VerticalLayout></Window>"), nullptr);
    EXPECT_STREQ(builder.GetMarkup()->GetLastErrorMessage(), "Unmatched closing tag");
    for (const char* markup : {"<!-- nothing -->", "<Window size=\"10,10\"/>", static_cast<const char*>(nullptr)}) {
        CDlgBuilder empty;
        EXPECT_EQ(empty.Create(markup), nullptr);
        EXPECT_EQ(empty.Create(), nullptr);
    }
}

TEST(DlgBuilder, TextNotStartingWithAnAngleBracketIsAFileName)
{
    CSkinFolder folder;
    CDlgBuilder builder;
    EXPECT_EQ(builder.Create(" <Window><Control/></Window>"), nullptr);
    EXPECT_STREQ(builder.GetMarkup()->GetLastErrorMessage(), "Error opening file");
    folder.Write("skin.xml", "\xEF\xBB\xBF<Window><Control name=\"fromfile\" text=\"\xE4\xB8\xAD\"/></Window>");
    std::unique_ptr<CControlUI> root(builder.Create("skin.xml"));
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(NameOf(root.get()), "fromfile");
    // The loaded markup can be built again.
    std::unique_ptr<CControlUI> again(builder.Create());
    ASSERT_NE(again, nullptr);
    EXPECT_NE(again, root);
    EXPECT_EQ(NameOf(again.get()), "fromfile");
}

TEST(DlgBuilder, TreeNodesGoToTheirParentNodeAndOutsideATreeEndTheLevel)
{
    CDlgBuilder builder;
    std::unique_ptr<CControlUI> root(builder.Create(
        "<Window><TreeView><TreeNode name=\"n1\"><TreeNode name=\"n2\"><TreeNode name=\"n3\"/></TreeNode>"
        "<Control name=\"item\"/></TreeNode><TreeNode name=\"m1\"/></TreeView></Window>"));
    ASSERT_EQ(ChildNames(root.get()), "n1[n2[n3],item],m1");
    auto* n1 = static_cast<CTreeNodeUI*>(Child(root.get(), 0)->GetInterface("TreeNode"));
    auto* n2 = static_cast<CTreeNodeUI*>(Child(n1, 0)->GetInterface("TreeNode"));
    ASSERT_NE(n2, nullptr);
    EXPECT_EQ(n1->GetParentNode(), nullptr);
    EXPECT_EQ(n2->GetParentNode(), n1);
    TTraceLog trace;
    CDlgBuilder outside;
    trace.Attach(outside);
    root.reset(outside.Create("<Window><VerticalLayout><Control name=\"before\"/><TreeNode><Control/>"
                              "</TreeNode><Control name=\"after\"/></VerticalLayout></Window>"));
    EXPECT_EQ(ChildNames(root.get()), "before");
    EXPECT_TRUE(trace.Contains("tree"));
    // Tree nodes do not count as the first control of a level.
    CDlgBuilder top;
    EXPECT_EQ(top.Create("<Window><TreeNode/><Control/></Window>"), nullptr);
}

TEST(DlgBuilder, NestingIsBuiltWholeBelowTheLimitAndCutAtIt)
{
    for (int levels : {100, 20000}) {
        std::string markup = "<Window>";
        for (int i = 0; i < levels; ++i) markup += "<VerticalLayout>";
        for (int i = 0; i < levels; ++i) markup += "</VerticalLayout>";
        TTraceLog trace;
        CDlgBuilder builder;
        trace.Attach(builder);
        std::unique_ptr<CControlUI> root(builder.Create((markup + "</Window>").c_str()));
        int depth = 0;
        for (CControlUI* p = root.get(); ChildCount(p) > 0; p = Child(p, 0)) ++depth;
        EXPECT_EQ(depth, levels == 100 ? levels - 1 : CDlgBuilder::kMaxDepth - 1);
        EXPECT_EQ(trace.Contains("nested too deeply"), levels != 100);
    }
}

TEST(DlgBuilder, TheFactoryNamesAreExactAndLeaveTreeNodesToTheBuilder)
{
    for (const char* name :
         {"button", "VERTICALLAYOUT", "Control ", "", "Include", "TreeNode", static_cast<const char*>(nullptr)}) {
        EXPECT_EQ(CControlFactory::Create(name), nullptr) << (name != nullptr ? name : "<null>");
    }
}
