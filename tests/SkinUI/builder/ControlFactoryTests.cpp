#include <gtest/gtest.h>
#include <cstring>
#include <memory>
#include <string>
#include "SkinUI/Control/TreeNodeUI.h"
#include "SkinUI/Core/ControlFactory.h"
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Layout/TabLayoutUI.h"

using namespace SkinUI;

namespace {

struct TClassName {
    const char* element;
    const char* className;
    bool container;
    // The class name without "UI" unless given.
    const char* interfaceName = nullptr;
};

// Every element name of the framework's table with the class it must make.
const TClassName kClasses[] = {
    {"Control", "ControlUI", false},
    {"Container", "ContainerUI", true},
    {"VerticalLayout", "VerticalLayoutUI", true},
    {"HorizontalLayout", "HorizontalLayoutUI", true},
    {"TabLayout", "TabLayoutUI", true},
    {"Label", "LabelUI", false},
    {"Text", "TextUI", false},
    {"Button", "ButtonUI", false},
    {"Option", "OptionUI", false},
    {"CheckBox", "CheckBoxUI", false, "Option"},
    {"Edit", "EditUI", false},
    {"RichEdit", "RichEditUI", true},
    {"Combo", "ComboUI", true},
    {"ComboBox", "ComboBoxUI", true, "Combo"},
    {"ScrollBar", "ScrollBarUI", false},
    {"Progress", "ProgressUI", false},
    {"List", "ListUI", true},
    {"ListHeader", "ListHeaderUI", true},
    {"ListHeaderItem", "ListHeaderItemUI", false},
    {"ListTextElement", "ListTextElementUI", false},
    {"ListLabelElement", "ListLabelElementUI", false},
    {"ListContainerElement", "ListContainerElementUI", true},
    {"TreeView", "TreeViewUI", true},
};

} // namespace

TEST(ControlFactory, EveryTableNameMakesItsClassWithItsInterfaces)
{
    for (const TClassName& entry : kClasses) {
        SCOPED_TRACE(entry.element);
        std::unique_ptr<CControlUI> control(CControlFactory::Create(entry.element));
        ASSERT_NE(control, nullptr);
        EXPECT_STREQ(control->GetClass(), entry.className);
        const std::string interfaceName = entry.interfaceName != nullptr
                                              ? std::string(entry.interfaceName)
                                              : std::string(entry.className, std::strlen(entry.className) - 2);
        EXPECT_EQ(control->GetInterface(interfaceName.c_str()), static_cast<void*>(control.get()));
        EXPECT_EQ(control->GetInterface("Control"), static_cast<void*>(control.get()));
        EXPECT_EQ(control->GetInterface("IContainer") != nullptr, entry.container);
    }
}

TEST(ControlFactory, NamesAreExactAndCaseSensitive)
{
    for (const char* name : {"button", "control", "VERTICALLAYOUT", "Control ", "", "Include", "Window", "ListBody"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(CControlFactory::Create(name), nullptr);
    }
    EXPECT_EQ(CControlFactory::Create(nullptr), nullptr);
}

TEST(ControlFactory, TreeNodesAreLeftToTheBuilder)
{
    EXPECT_EQ(CControlFactory::Create("TreeNode"), nullptr);
}

TEST(ControlFactory, TabLayoutStartsWithoutSelection)
{
    std::unique_ptr<CControlUI> control(CControlFactory::Create("TabLayout"));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(static_cast<CTabLayoutUI*>(control->GetInterface("TabLayout"))->GetCurSel(), -1);
}

TEST(ControlFactory, TreeViewIsAListAndNodesKnowTheirParent)
{
    std::unique_ptr<CControlUI> view(CControlFactory::Create("TreeView"));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetInterface("List"), static_cast<void*>(view.get()));
    CTreeNodeUI top;
    auto* child = new CTreeNodeUI();
    EXPECT_TRUE(top.AddChildNode(child));
    EXPECT_EQ(child->GetParentNode(), &top);
    EXPECT_EQ(top.GetParentNode(), nullptr);
    EXPECT_FALSE(top.AddChildNode(nullptr));
    EXPECT_FALSE(top.AddChildNode(child));
    EXPECT_EQ(top.GetInterface("TreeNode"), static_cast<void*>(&top));
    EXPECT_EQ(top.GetInterface("ListContainerElement"), static_cast<void*>(&top));
}
