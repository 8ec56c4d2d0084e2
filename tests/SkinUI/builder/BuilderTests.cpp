#include <gtest/gtest.h>
#include <string>
#include "BuilderTestSupport.h"
#include "SkinUI/Control/TreeNodeUI.h"
#include "SkinUI/Core/ControlFactory.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"

using namespace SkinUI;

namespace {

int Depth(CControlUI* pControl)
{
    int depth = 0;
    while (ChildCount(pControl) > 0) {
        pControl = Child(pControl, 0);
        ++depth;
    }
    return depth;
}

} // namespace

TEST(DlgBuilder, BuildsEveryClassOfTheTableInDocumentOrder)
{
    const char* markup =
        "<Window><VerticalLayout name=\"root\"><Control/><Container/><HorizontalLayout/><TabLayout/>"
        "<Label/><Text/><Button/><Option/><CheckBox/><Edit/><RichEdit/><Combo/><ComboBox/><ScrollBar/><Progress/><List><ListHeader><ListHeaderItem/></ListHeader><ListTextElement/>"
        "<ListContainerElement/><ListLabelElement/></List><TreeView><TreeNode/></TreeView></VerticalLayout></Window>";
    const char* expected[] = {"ControlUI", "ContainerUI", "HorizontalLayoutUI", "TabLayoutUI", "LabelUI",
                              "TextUI", "ButtonUI", "OptionUI", "CheckBoxUI", "EditUI", "RichEditUI", "ComboUI", "ComboBoxUI",
                              "ScrollBarUI", "ProgressUI", "ListUI", "TreeViewUI"};
    const int count = static_cast<int>(sizeof(expected) / sizeof(expected[0]));
    CDlgBuilder builder;
    std::unique_ptr<CControlUI> root(builder.Create(markup));
    ASSERT_NE(root, nullptr);
    EXPECT_STREQ(root->GetClass(), "VerticalLayoutUI");
    EXPECT_EQ(NameOf(root.get()), "root");
    ASSERT_EQ(ChildCount(root.get()), count);
    for (int i = 0; i < count; ++i) EXPECT_STREQ(Child(root.get(), i)->GetClass(), expected[i]);
    CControlUI* list = Child(root.get(), count - 2);
    ASSERT_EQ(ChildCount(list), 4);
    EXPECT_STREQ(Child(list, 0)->GetClass(), "ListHeaderUI");
    EXPECT_STREQ(Child(Child(list, 0), 0)->GetClass(), "ListHeaderItemUI");
    EXPECT_STREQ(Child(list, 1)->GetClass(), "ListTextElementUI");
    EXPECT_STREQ(Child(list, 2)->GetClass(), "ListContainerElementUI");
    EXPECT_STREQ(Child(list, 3)->GetClass(), "ListLabelElementUI");
    EXPECT_STREQ(Child(Child(root.get(), count - 1), 0)->GetClass(), "TreeNodeUI");
}

TEST(DlgBuilder, ReturnsTheFirstTopLevelControlAndFillsTheParent)
{
    CVerticalLayoutUI parent;
    CDlgBuilder builder;
    CControlUI* first = builder.Create("<Window><Font name=\"Arial\"/><Control name=\"a\"/><Control name=\"b\"/>"
                                       "</Window>",
                                       nullptr, nullptr, nullptr, &parent);
    ASSERT_EQ(parent.GetCount(), 2);
    EXPECT_EQ(first, parent.GetItemAt(0));
    EXPECT_EQ(NameOf(first), "a");
    EXPECT_EQ(NameOf(parent.GetItemAt(1)), "b");
}

TEST(DlgBuilder, ElementAttributesApplyInDocumentOrder)
{
    CDlgBuilder builder;
    std::unique_ptr<CControlUI> root(
        builder.Create("<Window><Control name=\"x\" width=\"10\" name=\"y\" visible=\"false\"/></Window>"));
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(NameOf(root.get()), "y");
    EXPECT_EQ(root->GetFixedWidth(), 10);
    EXPECT_FALSE(root->IsVisible());
    // Built controls are left detached: the caller attaches the root.
    EXPECT_EQ(root->GetManager(), nullptr);
}

TEST(DlgBuilder, DefaultListsApplyBeforeTheElementsOwnAttributes)
{
    CPaintManagerUI pm;
    CDlgBuilder builder;
    std::unique_ptr<CControlUI> root(builder.Create(
        "<Window><Default name=\"Control\" value=\"width=&quot;10&quot; height=&quot;20&quot; "
        "bordersize=&quot;1,2,3,4&quot;\"/>"
        "<Default name=\"Control\" value=\"width=&quot;99&quot;\"/>"
        "<VerticalLayout><Control name=\"own\" height=\"30\"/><Control name=\"plain\"/><Container/>"
        "</VerticalLayout></Window>",
        nullptr, nullptr, &pm));
    ASSERT_EQ(ChildCount(root.get()), 3);
    CControlUI* own = Child(root.get(), 0);
    CControlUI* plain = Child(root.get(), 1);
    EXPECT_EQ(own->GetFixedWidth(), 10);
    EXPECT_EQ(own->GetFixedHeight(), 30);
    EXPECT_EQ(plain->GetFixedWidth(), 10);
    EXPECT_EQ(plain->GetFixedHeight(), 20);
    // Lists are per element name, not inherited by derived classes.
    EXPECT_EQ(Child(root.get(), 2)->GetFixedWidth(), 0);
    EXPECT_EQ(root->GetFixedWidth(), 0);
    EXPECT_EQ(own->GetManager(), nullptr);
    // Without a manager the lists are not applied.
    CDlgBuilder unmanaged;
    std::unique_ptr<CControlUI> bare(
        unmanaged.Create("<Window><Default name=\"Control\" value=\"width=&quot;10&quot;\"/><Control/></Window>"));
    ASSERT_NE(bare, nullptr);
    EXPECT_EQ(bare->GetFixedWidth(), 0);
}

TEST(DlgBuilder, UnknownElementsAreSkippedWithTheirSubtreeAndTraced)
{
    CRecordingCallback callback;
    TTraceLog trace;
    CDlgBuilder builder;
    trace.Attach(builder);
    std::unique_ptr<CControlUI> root(builder.Create(
        "<Window><VerticalLayout><Bogus><Control name=\"inner\"/><Probe/></Bogus><Control name=\"after\"/>"
        "</VerticalLayout></Window>",
        nullptr, &callback));
    ASSERT_EQ(ChildCount(root.get()), 1);
    EXPECT_EQ(NameOf(Child(root.get(), 0)), "after");
    ASSERT_EQ(callback.asked.size(), 1u);
    EXPECT_EQ(callback.asked[0], "Bogus");
    ASSERT_EQ(trace.lines.size(), 1u);
    EXPECT_EQ(trace.lines[0], "未知控件:Bogus");
}

TEST(DlgBuilder, TheCallbackIsAskedOnlyForNamesOutsideTheTable)
{
    CRecordingCallback callback;
    TTraceLog trace;
    CDlgBuilder builder;
    trace.Attach(builder);
    std::unique_ptr<CControlUI> root(builder.Create(
        "<Window><VerticalLayout><Probe name=\"p\" width=\"7\"/><button/><Control/></VerticalLayout></Window>",
        nullptr, &callback));
    ASSERT_EQ(ChildCount(root.get()), 2);
    EXPECT_STREQ(Child(root.get(), 1)->GetClass(), "ControlUI");
    CControlUI* probe = Child(root.get(), 0);
    EXPECT_STREQ(probe->GetClass(), "ProbeUI");
    EXPECT_EQ(NameOf(probe), "p");
    EXPECT_EQ(probe->GetFixedWidth(), 7);
    ASSERT_EQ(callback.asked.size(), 2u);
    EXPECT_EQ(callback.asked[0], "Probe");
    EXPECT_EQ(callback.asked[1], "button");
    EXPECT_TRUE(trace.Contains("未知控件:button"));
    // Without a callback unknown names are only traced.
    CDlgBuilder plain;
    trace.Attach(plain);
    EXPECT_EQ(plain.Create("<Window><Probe/></Window>"), nullptr);
    EXPECT_TRUE(trace.Contains("未知控件:Probe"));
}

TEST(DlgBuilder, MalformedMarkupGivesNoRootAndKeepsTheParserMessage)
{
    CDlgBuilder builder;
    EXPECT_EQ(builder.Create("<Window><VerticalLayout></Window>"), nullptr);
    EXPECT_STREQ(builder.GetMarkup()->GetLastErrorMessage(), "Unmatched closing tag");
    CDlgBuilder quoted;
    EXPECT_EQ(quoted.Create("<Window><Control name='x'/></Window>"), nullptr);
    EXPECT_STREQ(quoted.GetMarkup()->GetLastErrorMessage(), "Expected attribute value");
    EXPECT_STRNE(quoted.GetMarkup()->GetLastErrorLocation(), "");
    for (const char* markup : {"<!-- nothing -->", "<Window size=\"10,10\"/>"}) {
        CDlgBuilder empty;
        EXPECT_EQ(empty.Create(markup), nullptr) << markup;
    }
    CDlgBuilder none;
    EXPECT_EQ(none.Create(static_cast<const char*>(nullptr)), nullptr);
    EXPECT_EQ(none.Create(), nullptr);
}

TEST(DlgBuilder, TextNotStartingWithAnAngleBracketIsAFileName)
{
    CSkinFolder folder;
    CDlgBuilder builder;
    EXPECT_EQ(builder.Create(" <Window><Control/></Window>"), nullptr);
    EXPECT_STREQ(builder.GetMarkup()->GetLastErrorMessage(), "Error opening file");
    folder.Write("skin.xml", "\xEF\xBB\xBF<Window><Control name=\"fromfile\" text=\"\xE4\xB8\xAD\"/></Window>");
    CDlgBuilder fromFile;
    std::unique_ptr<CControlUI> root(fromFile.Create("skin.xml"));
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(NameOf(root.get()), "fromfile");
}

TEST(DlgBuilder, ADocumentCanBeBuiltAgainFromTheLoadedMarkup)
{
    CDlgBuilder builder;
    std::unique_ptr<CControlUI> first(builder.Create("<Window><Control name=\"again\"/></Window>"));
    std::unique_ptr<CControlUI> second(builder.Create());
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(NameOf(second.get()), "again");
}

TEST(DlgBuilder, ChildrenOfAControlThatHoldsNoneAreDroppedButSiblingsStay)
{
    TTraceLog trace;
    CDlgBuilder builder;
    trace.Attach(builder);
    std::unique_ptr<CControlUI> root(builder.Create(
        "<Window><VerticalLayout><Control name=\"leaf\"><Control name=\"lost\"/><Control name=\"lost2\"/>"
        "</Control><Control name=\"next\"/></VerticalLayout></Window>"));
    ASSERT_EQ(ChildCount(root.get()), 2);
    EXPECT_EQ(NameOf(Child(root.get(), 0)), "leaf");
    EXPECT_EQ(NameOf(Child(root.get(), 1)), "next");
    EXPECT_TRUE(trace.Contains("ControlUI"));
}

TEST(DlgBuilder, TreeNodesGoToTheirParentNodeOrTreeView)
{
    CDlgBuilder builder;
    std::unique_ptr<CControlUI> root(builder.Create(
        "<Window><TreeView><TreeNode name=\"n1\"><TreeNode name=\"n2\"><TreeNode name=\"n3\"/></TreeNode>"
        "<Control name=\"item\"/></TreeNode><TreeNode name=\"m1\"/></TreeView></Window>"));
    ASSERT_NE(root, nullptr);
    ASSERT_EQ(ChildCount(root.get()), 2);
    auto* n1 = static_cast<CTreeNodeUI*>(Child(root.get(), 0)->GetInterface("TreeNode"));
    ASSERT_NE(n1, nullptr);
    EXPECT_EQ(NameOf(n1), "n1");
    EXPECT_EQ(n1->GetParentNode(), nullptr);
    ASSERT_EQ(ChildCount(n1), 2);
    auto* n2 = static_cast<CTreeNodeUI*>(Child(n1, 0)->GetInterface("TreeNode"));
    ASSERT_NE(n2, nullptr);
    EXPECT_EQ(n2->GetParentNode(), n1);
    EXPECT_EQ(NameOf(Child(n2, 0)), "n3");
    EXPECT_EQ(NameOf(Child(n1, 1)), "item");
    EXPECT_EQ(NameOf(Child(root.get(), 1)), "m1");
}

TEST(DlgBuilder, ATreeNodeOutsideATreeEndsItsLevel)
{
    TTraceLog trace;
    CDlgBuilder builder;
    trace.Attach(builder);
    std::unique_ptr<CControlUI> root(builder.Create(
        "<Window><VerticalLayout><Control name=\"before\"/><TreeNode><Control/></TreeNode>"
        "<Control name=\"after\"/></VerticalLayout></Window>"));
    ASSERT_EQ(ChildCount(root.get()), 1);
    EXPECT_EQ(NameOf(Child(root.get(), 0)), "before");
    EXPECT_TRUE(trace.Contains("tree"));
    // Tree nodes do not count as the first control of a level.
    CDlgBuilder top;
    CControlUI* first = top.Create("<Window><TreeNode/><Control/></Window>");
    EXPECT_EQ(first, nullptr);
}

TEST(DlgBuilder, NestingIsBuiltWholeBelowTheLimitAndCutAtIt)
{
    for (int levels : {100, 20000}) {
        std::string markup = "<Window>";
        for (int i = 0; i < levels; ++i) markup += "<VerticalLayout>";
        for (int i = 0; i < levels; ++i) markup += "</VerticalLayout>";
        markup += "</Window>";
        TTraceLog trace;
        CDlgBuilder builder;
        trace.Attach(builder);
        std::unique_ptr<CControlUI> root(builder.Create(markup.c_str()));
        ASSERT_NE(root, nullptr);
        EXPECT_EQ(Depth(root.get()), levels == 100 ? levels - 1 : CDlgBuilder::kMaxDepth - 1);
        EXPECT_EQ(trace.Contains("nested too deeply"), levels != 100);
    }
}

TEST(DlgBuilder, TheFactoryNamesAreExactAndLeaveTreeNodesToTheBuilder)
{
    for (const char* name : {"button", "control", "VERTICALLAYOUT", "Control ", "", "Include", "Window", "ListBody",
                             "TreeNode"}) {
        EXPECT_EQ(CControlFactory::Create(name), nullptr) << name;
    }
    EXPECT_EQ(CControlFactory::Create(nullptr), nullptr);
}
