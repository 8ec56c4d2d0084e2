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
    CProbeControl stranger;
    EXPECT_FALSE(c.Add(nullptr) || c.Add(&c));
    EXPECT_TRUE(c.Add(a));
    EXPECT_FALSE(c.Add(a)); // a second entry would be deleted twice
    EXPECT_FALSE(c.AddAt(&stranger, 5));
    EXPECT_EQ(stranger.GetParent(), nullptr);
    EXPECT_EQ(c.GetItemAt(-1), nullptr);
    EXPECT_FALSE(c.RemoveAt(1) || c.RemoveAt(-1) || c.Remove(nullptr));
    EXPECT_FALSE(c.SetItemIndex(a, 1) || c.SetItemIndex(a, -1) || c.SetItemIndex(&stranger, 0));
    EXPECT_EQ(c.GetCount(), 1);
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
        EXPECT_TRUE(borrower.Remove(&lent));
        EXPECT_EQ(lent.GetParent(), nullptr);
        ASSERT_TRUE(borrower.Add(&lent));
        // A second owner would delete it twice.
        EXPECT_FALSE(borrower.Add(owned));
        EXPECT_EQ(owned->GetParent(), &owner);
        EXPECT_EQ(destroyed, 1);
    }
    EXPECT_EQ(destroyed, 2);
    // A container that lets its children go forgets them.
    EXPECT_EQ(lent.GetParent(), nullptr);
}

TEST(Tabs, InsertingBeforeTheSelectionShiftsItRemovingItFallsBackToPageZero)
{
    int destroyed = 0;
    CProbeControl* pages[3] = {};
    CTabLayoutUI tabs;
    for (CProbeControl*& page : pages) {
        page = new CProbeControl(&destroyed);
        tabs.Add(page);
    }
    tabs.SetPos({0, 0, 100, 80});
    tabs.SelectItem(1);
    auto* inserted = new CProbeControl(&destroyed);
    EXPECT_TRUE(tabs.AddAt(inserted, 0));
    EXPECT_EQ(tabs.GetCurSel(), 2);
    EXPECT_TRUE(tabs.Remove(pages[1]));
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(tabs.GetCurSel(), 0);
    EXPECT_TRUE(inserted->IsVisible());
    EXPECT_FALSE(pages[0]->IsVisible());
    tabs.RemoveAll();
    EXPECT_EQ(tabs.GetCurSel(), -1);
    EXPECT_EQ(destroyed, 4);
    // The first page added to an empty layout is selected and shown.
    auto* page = new CProbeControl();
    tabs.Add(page);
    EXPECT_EQ(tabs.GetCurSel(), 0);
    EXPECT_TRUE(page->IsVisible());
}
