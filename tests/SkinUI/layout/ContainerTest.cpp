#include <gtest/gtest.h>
#include <vector>
#include "ProbeControl.h"
#include "SkinUI/Control/ScrollBarUI.h"
#include "SkinUI/Core/ContainerUI.h"

using namespace SkinUI;

namespace {

CControlUI* CALLBACK HitProc(CControlUI* pControl, LPVOID)
{
    return pControl;
}

CControlUI* CALLBACK CountProc(CControlUI* pControl, LPVOID pData)
{
    static_cast<std::vector<CControlUI*>*>(pData)->push_back(pControl);
    return nullptr;
}

CControlUI* HitTest(CContainerUI& c, int x, int y, UINT extra = 0)
{
    POINT pt = {x, y};
    return c.FindControl(HitProc, &pt, UIFIND_VISIBLE | UIFIND_HITTEST | extra);
}

} // namespace

TEST(Container, ChildManagementRefusesBadInput)
{
    int destroyed = 0;
    CContainerUI c;
    auto* a = new CProbeControl(&destroyed);
    auto* b = new CProbeControl(&destroyed);
    EXPECT_FALSE(c.Add(nullptr));
    EXPECT_FALSE(c.Add(&c));
    EXPECT_TRUE(c.Add(a));
    EXPECT_FALSE(c.Add(a)); // a second entry would be deleted twice
    EXPECT_FALSE(c.AddAt(b, 5));
    EXPECT_EQ(b->GetParent(), nullptr);
    EXPECT_TRUE(c.AddAt(b, 0));
    EXPECT_EQ(c.GetItemAt(2), nullptr);
    EXPECT_EQ(c.GetItemAt(-1), nullptr);
    EXPECT_EQ(c.GetItemIndex(a), 1);
    EXPECT_FALSE(c.RemoveAt(2));
    EXPECT_FALSE(c.RemoveAt(-1));
    EXPECT_FALSE(c.Remove(nullptr));
    EXPECT_FALSE(c.SetItemIndex(a, 2));
    EXPECT_FALSE(c.SetItemIndex(a, -1));
    CProbeControl stranger;
    EXPECT_FALSE(c.SetItemIndex(&stranger, 0));
    EXPECT_EQ(c.GetCount(), 2);
    EXPECT_TRUE(c.SetItemIndex(a, 0));
    EXPECT_EQ(c.GetItemAt(1), b);
    EXPECT_EQ(destroyed, 0);
}

TEST(Container, AutoDestroyDecidesWhetherRemovedChildrenAreDeleted)
{
    int destroyed = 0;
    {
        CContainerUI c;
        c.Add(new CProbeControl(&destroyed));
        c.Add(new CProbeControl(&destroyed));
        EXPECT_TRUE(c.RemoveAt(1));
        EXPECT_EQ(destroyed, 1);
    }
    EXPECT_EQ(destroyed, 2);
    CProbeControl a(&destroyed);
    CProbeControl b(&destroyed);
    {
        CContainerUI c;
        c.SetAutoDestroy(false);
        c.Add(&a);
        c.Add(&b);
        EXPECT_TRUE(c.Remove(&a));
        c.RemoveAll();
        c.Add(&b);
    }
    EXPECT_EQ(destroyed, 2);
}

TEST(Container, AChildHasOneParentAndForgetsAContainerThatLetsItGo)
{
    int destroyed = 0;
    CProbeControl lent(&destroyed);
    {
        CContainerUI borrower;
        borrower.SetAutoDestroy(false);
        ASSERT_TRUE(borrower.Add(&lent));
        EXPECT_EQ(lent.GetParent(), &borrower);
        EXPECT_TRUE(borrower.Remove(&lent));
        EXPECT_EQ(lent.GetParent(), nullptr);
        ASSERT_TRUE(borrower.Add(&lent));
    }
    EXPECT_EQ(lent.GetParent(), nullptr);
    auto* owned = new CProbeControl(&destroyed);
    {
        CContainerUI first;
        CContainerUI second;
        ASSERT_TRUE(first.Add(owned));
        // A second owner would delete it twice.
        EXPECT_FALSE(second.Add(owned));
        EXPECT_FALSE(second.AddAt(owned, 0));
        EXPECT_EQ(owned->GetParent(), &first);
        EXPECT_EQ(second.GetCount(), 0);
    }
    EXPECT_EQ(destroyed, 1);
}

TEST(Container, VisibilityReachesChildrenAddedBeforeAndAfter)
{
    CContainerUI outer;
    auto* inner = new CContainerUI();
    auto* leaf = new CProbeControl();
    inner->Add(leaf);
    outer.Add(inner);
    outer.SetVisible(false);
    EXPECT_FALSE(leaf->IsVisible());
    outer.SetVisible(true);
    EXPECT_TRUE(leaf->IsVisible());
    auto* late = new CProbeControl();
    outer.SetVisible(false);
    outer.Add(late);
    EXPECT_FALSE(late->IsVisible());
}

TEST(ContainerFindControl, HitTestPrefersTheTopmostChildInsideTheInnerArea)
{
    CContainerUI c;
    auto* a = new CProbeControl();
    auto* b = new CProbeControl();
    auto* f = new CProbeControl();
    f->SetFloat(true);
    c.Add(a);
    c.Add(b);
    c.Add(f);
    c.SetInset({10, 10, 10, 10});
    c.SetPos({0, 0, 100, 100});
    f->SetPos({0, 0, 100, 5});
    EXPECT_EQ(HitTest(c, 50, 50), a);
    EXPECT_EQ(HitTest(c, 50, 50, UIFIND_TOP_FIRST), b);
    EXPECT_EQ(HitTest(c, 50, 150), nullptr);
    EXPECT_EQ(HitTest(c, 50, 50, UIFIND_ME_FIRST), &c);
    // Scrolled over the inset a child cannot be hit there; a floating one can.
    a->SetPos({0, 0, 100, 100});
    EXPECT_EQ(HitTest(c, 50, 7), &c);
    EXPECT_EQ(HitTest(c, 50, 2, UIFIND_TOP_FIRST), f);
    c.SetMouseChildEnabled(false);
    EXPECT_EQ(HitTest(c, 50, 50), &c);
}

TEST(ContainerFindControl, VisibilityAndEnabledFlagsAndTheFullWalk)
{
    CContainerUI c;
    auto* a = new CProbeControl();
    auto* b = new CProbeControl();
    c.Add(a);
    c.Add(b);
    c.EnableScrollBar(true, false);
    b->SetVisible(false);
    std::vector<CControlUI*> seen;
    c.FindControl(CountProc, &seen, UIFIND_VISIBLE);
    // The bar is visible until a layout hides it.
    EXPECT_EQ(seen, (std::vector<CControlUI*>{c.GetVerticalScrollBar(), a, &c}));
    c.SetEnabled(false);
    EXPECT_EQ(c.FindControl(HitProc, nullptr, UIFIND_ENABLED), nullptr);
}
