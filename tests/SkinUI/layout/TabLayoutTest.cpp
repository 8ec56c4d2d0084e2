#include <gtest/gtest.h>
#include "ProbeControl.h"
#include "SkinUI/Layout/TabLayoutUI.h"

using namespace SkinUI;

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
    EXPECT_FALSE(tabs.SelectItem(3));
    EXPECT_FALSE(tabs.SelectItem(-1));
    EXPECT_EQ(tabs.GetCurSel(), 2);
    tabs.SetAttribute("selectedid", "1");
    EXPECT_EQ(tabs.GetCurSel(), 1);
}

TEST_F(Tabs, InsertingBeforeTheSelectionShiftsItAndKeepsTheNewPageVisible)
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
}

TEST_F(Tabs, RemovingTheSelectionFallsBackToPageZeroAndRemoveAllClearsIt)
{
    tabs.SelectItem(2);
    EXPECT_TRUE(tabs.Remove(pages[2]));
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(tabs.GetCurSel(), 0);
    EXPECT_TRUE(pages[0]->IsVisible());
    tabs.SelectItem(1);
    EXPECT_TRUE(tabs.Remove(pages[0]));
    EXPECT_EQ(tabs.GetCurSel(), 0);
    EXPECT_EQ(tabs.GetItemAt(0), pages[1]);
    tabs.RemoveAll();
    EXPECT_EQ(tabs.GetCurSel(), -1);
    EXPECT_EQ(destroyed, 3);
    auto* page = new CProbeControl();
    tabs.Add(page);
    EXPECT_EQ(tabs.GetCurSel(), 0);
    EXPECT_TRUE(page->IsVisible());
}
