#include <gtest/gtest.h>
#include "ProbeControl.h"
#include "SkinUI/Core/ContainerUI.h"
#include "SkinUI/Layout/TabLayoutUI.h"

using namespace SkinUI;

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
    CProbeControl stranger;
    EXPECT_FALSE(c.RemoveAt(2) || c.RemoveAt(-1) || c.Remove(nullptr));
    EXPECT_FALSE(c.SetItemIndex(a, 2) || c.SetItemIndex(a, -1) || c.SetItemIndex(&stranger, 0));
    EXPECT_EQ(c.GetCount(), 2);
    EXPECT_TRUE(c.SetItemIndex(a, 0));
    EXPECT_EQ(c.GetItemAt(1), b);
    EXPECT_EQ(destroyed, 0);
}

TEST(Container, AutoDestroyDecidesWhoDeletesAndAChildHasOneParent)
{
    int destroyed = 0;
    CProbeControl lent(&destroyed);
    auto* owned = new CProbeControl(&destroyed);
    {
        CContainerUI owner;
        CContainerUI borrower;
        borrower.SetAutoDestroy(false);
        owner.Add(new CProbeControl(&destroyed));
        ASSERT_TRUE(owner.Add(owned));
        EXPECT_TRUE(owner.RemoveAt(0));
        EXPECT_EQ(destroyed, 1);
        ASSERT_TRUE(borrower.Add(&lent));
        EXPECT_EQ(lent.GetParent(), &borrower);
        EXPECT_TRUE(borrower.Remove(&lent));
        EXPECT_EQ(lent.GetParent(), nullptr);
        ASSERT_TRUE(borrower.Add(&lent));
        // A second owner would delete it twice.
        EXPECT_FALSE(borrower.Add(owned));
        EXPECT_FALSE(borrower.AddAt(owned, 0));
        EXPECT_EQ(owned->GetParent(), &owner);
        EXPECT_EQ(borrower.GetCount(), 1);
        borrower.RemoveAll();
        ASSERT_TRUE(borrower.Add(&lent));
        EXPECT_EQ(destroyed, 1);
    }
    EXPECT_EQ(destroyed, 2);
    // A container that lets its children go forgets them.
    EXPECT_EQ(lent.GetParent(), nullptr);
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

TEST(Container, HitTestPrefersTheTopmostChildInsideTheInnerArea)
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
    c.SetEnabled(false);
    EXPECT_EQ(HitTest(c, 50, 50, UIFIND_ENABLED), nullptr);
}

namespace {

class Tabs : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (CProbeControl*& page : pages) {
            page = new CProbeControl(&destroyed);
            tabs.Add(page);
        }
        tabs.SetPos({0, 0, 100, 80});
    }

    int destroyed = 0;
    CProbeControl* pages[3] = {};
    CTabLayoutUI tabs;
};

} // namespace

TEST_F(Tabs, SelectItemShowsOnePageWithInsetPaddingAndLimits)
{
    EXPECT_EQ(tabs.GetCurSel(), 0);
    EXPECT_TRUE(pages[0]->IsVisible());
    EXPECT_FALSE(pages[2]->IsVisible());
    tabs.SetInset({2, 2, 2, 2});
    pages[2]->SetPadding({1, 1, 1, 1});
    pages[2]->SetMaxWidth(50);
    EXPECT_TRUE(tabs.SelectItem(2));
    EXPECT_FALSE(pages[0]->IsVisible());
    EXPECT_TRUE(pages[2]->IsVisible());
    EXPECT_EQ(pages[2]->GetPos(), (RECT{3, 3, 53, 77}));
    EXPECT_FALSE(tabs.SelectItem(3) || tabs.SelectItem(-1));
    EXPECT_EQ(tabs.GetCurSel(), 2);
    tabs.SetAttribute("selectedid", "1");
    EXPECT_EQ(tabs.GetCurSel(), 1);
}

TEST_F(Tabs, InsertingBeforeTheSelectionShiftsItRemovingItFallsBackToPageZero)
{
    tabs.SelectItem(1);
    auto* inserted = new CProbeControl(&destroyed);
    EXPECT_TRUE(tabs.AddAt(inserted, 0));
    EXPECT_EQ(tabs.GetCurSel(), 2);
    EXPECT_TRUE(inserted->IsVisible());
    auto* after = new CProbeControl(&destroyed);
    EXPECT_TRUE(tabs.AddAt(after, 4));
    EXPECT_FALSE(after->IsVisible());
    EXPECT_EQ(tabs.GetCurSel(), 2);
    EXPECT_TRUE(tabs.Remove(pages[1]));
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(tabs.GetCurSel(), 0);
    EXPECT_TRUE(inserted->IsVisible());
    tabs.SelectItem(1);
    EXPECT_TRUE(tabs.Remove(inserted));
    EXPECT_EQ(tabs.GetCurSel(), 0);
    EXPECT_EQ(tabs.GetItemAt(0), pages[0]);
    tabs.RemoveAll();
    EXPECT_EQ(tabs.GetCurSel(), -1);
    EXPECT_EQ(destroyed, 5);
    auto* page = new CProbeControl();
    tabs.Add(page);
    EXPECT_EQ(tabs.GetCurSel(), 0);
    EXPECT_TRUE(page->IsVisible());
}
