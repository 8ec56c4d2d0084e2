#include <gtest/gtest.h>
#include <windows.h>
#include "EditTestHost.h"
#include "PixelCanvas.h"
#include "SkinUI/Control/ComboBoxUI.h"
#include "SkinUI/Control/ListLabelElementUI.h"

using namespace SkinUI;

namespace {

TEventMsg KeyDown(char key)
{
    TEventMsg event;
    event.Type = UIEVENT_KEYDOWN;
    event.chKey = key;
    return event;
}

class ComboTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.pm.AddNotifier(&log);
        combo = new CComboUI;
        host.Add(combo, 24);
        for (int i = 0; i < 5; ++i) AddItem();
    }
    void TearDown() override
    {
        host.root->Remove(combo);
        delete combo;
        host.pm.RemoveNotifier(&log);
    }
    CListLabelElementUI* AddItem()
    {
        auto* item = new CListLabelElementUI;
        char text[16];
        wsprintfA(text, "item%d", combo->GetCount());
        item->SetText(text);
        combo->Add(item);
        return item;
    }
    IListItemUI* Item(int i) { return static_cast<IListItemUI*>(combo->GetItemAt(i)->GetInterface("ListItem")); }
    void ExpectIndicesInOrder()
    {
        for (int i = 0; i < combo->GetCount(); ++i) EXPECT_EQ(Item(i)->GetIndex(), i) << "item " << i;
    }

    CEditTestHost& host = CEditTestHost::Shared();
    CNotifyLog log;
    CComboUI* combo = nullptr;
};

} // namespace

TEST(Combo, ItemAlignWordsAreAppliedInOrder)
{
    CComboUI a;
    a.SetAttribute("itemalign", "center");
    EXPECT_EQ(a.GetItemStyle()->uTextStyle & 0x3u, static_cast<UINT>(DT_CENTER));
    a.SetAttribute("itemalign", "right");
    EXPECT_EQ(a.GetItemStyle()->uTextStyle & 0x3u, static_cast<UINT>(DT_RIGHT));
    a.SetAttribute("itemalign", "left");
    EXPECT_EQ(a.GetItemStyle()->uTextStyle & 0x3u, 0u);
    // Both words: "right" comes last and wins.
    a.SetAttribute("itemalign", "center right");
    EXPECT_EQ(a.GetItemStyle()->uTextStyle & 0x3u, static_cast<UINT>(DT_RIGHT));
    EXPECT_NE(a.GetItemStyle()->uTextStyle & DT_VCENTER, 0u);
}

TEST_F(ComboTest, SelectItemNotifiesNewAndPreviousAndShowsTheText)
{
    ASSERT_TRUE(combo->SelectItem(2));
    ASSERT_TRUE(combo->SelectItem(4));
    ASSERT_EQ(log.Count("itemselect"), 2);
    EXPECT_EQ(log.Last("itemselect")->wParam, 4u);
    EXPECT_EQ(log.Last("itemselect")->lParam, 2);
    EXPECT_FALSE(Item(2)->IsSelected());
    EXPECT_TRUE(Item(4)->IsSelected());
    EXPECT_STREQ(combo->GetText().GetData(), "item4");
    EXPECT_TRUE(combo->SelectItem(4));  // already selected: nothing sent
    EXPECT_EQ(log.Count("itemselect"), 2);
    EXPECT_TRUE(combo->SelectItem(99));  // clamped to the last item, which is selected
    EXPECT_EQ(combo->GetCurSel(), 4);
}

TEST_F(ComboTest, SelectItemRefusesHiddenDisabledAndForeignChildren)
{
    combo->GetItemAt(1)->SetEnabled(false);
    combo->GetItemAt(2)->SetVisible(false);
    auto* plain = new CControlUI;
    combo->Add(plain);
    EXPECT_FALSE(combo->SelectItem(1));
    EXPECT_FALSE(combo->SelectItem(2));
    EXPECT_FALSE(combo->SelectItem(5));
    EXPECT_EQ(combo->GetCurSel(), -1);
    EXPECT_EQ(log.Count("itemselect"), 0);
}

TEST_F(ComboTest, HidingTheSelectedItemClearsTheSelectionSilently)
{
    combo->SelectItem(3);
    log.seen.clear();
    combo->GetItemAt(3)->SetVisible(false);
    EXPECT_EQ(combo->GetCurSel(), -1);
    EXPECT_EQ(log.Count("itemselect"), 0);
}

TEST_F(ComboTest, KeysAndWheelMoveTheSelectionOverEnabledItemsWithoutOpening)
{
    const char kWheelUp = 1;
    const char kWheelDown = 2;
    struct TCase {
        unsigned disabled;  // bit i: item i disabled
        int start;
        char key;
        int expected;
    };
    const TCase cases[] = {
        {0, 1, VK_DOWN, 2},     {0, 1, VK_UP, 0},       {0, 0, VK_UP, 0},          {0, 1, VK_END, 4},
        {0, 3, VK_HOME, 0},     {0x12, 0, VK_NEXT, 2},  {0x12, 2, VK_NEXT, 3},     {0x12, 3, VK_NEXT, 3},
        {0x12, 0, VK_END, 3},   {0x12, 2, VK_PRIOR, 0}, {0x13, 2, VK_HOME, 2},     {0, 2, kWheelDown, 3},
        {0, 2, kWheelUp, 1},    {0x12, 0, kWheelDown, 2},
    };
    for (const TCase& c : cases) {
        for (int i = 0; i < combo->GetCount(); ++i) combo->GetItemAt(i)->SetEnabled((c.disabled >> i & 1) == 0);
        ASSERT_TRUE(combo->SelectItem(c.start));
        log.seen.clear();
        TEventMsg event = KeyDown(c.key);
        if (c.key == kWheelUp || c.key == kWheelDown) {
            event.Type = UIEVENT_SCROLLWHEEL;
            event.wParam = c.key == kWheelDown ? 1 : 0;
        }
        combo->DoEvent(event);
        const int key = c.key;
        EXPECT_EQ(combo->GetCurSel(), c.expected) << "key " << key << " from " << c.start;
        EXPECT_EQ(log.Count("itemselect"), c.expected != c.start ? 1 : 0) << "key " << key;
        if (c.expected != c.start && log.Last("itemselect") != nullptr) {
            EXPECT_EQ(log.Last("itemselect")->lParam, c.start);
        }
        EXPECT_FALSE(combo->IsOpen());
        EXPECT_EQ(log.Count("dropdown"), 0);
    }
}

TEST_F(ComboTest, InsertingAtOrBeforeTheSelectionKeepsTheSameItemSelected)
{
    combo->SelectItem(2);
    auto* first = new CListLabelElementUI;
    ASSERT_TRUE(combo->AddAt(first, 0));
    EXPECT_EQ(combo->GetCurSel(), 3);
    EXPECT_STREQ(combo->GetText().GetData(), "item2");
    auto* after = new CListLabelElementUI;
    ASSERT_TRUE(combo->AddAt(after, 5));
    EXPECT_EQ(combo->GetCurSel(), 3);
    ExpectIndicesInOrder();
    // A refused insertion changes nothing.
    CListLabelElementUI stray;
    EXPECT_FALSE(combo->AddAt(&stray, 40));
    EXPECT_EQ(combo->GetCurSel(), 3);
    EXPECT_EQ(stray.GetOwner(), nullptr);
    ExpectIndicesInOrder();
}

TEST_F(ComboTest, RemovingBeforeTheSelectionShiftsIt)
{
    combo->SelectItem(3);
    log.seen.clear();
    ASSERT_TRUE(combo->RemoveAt(0));
    EXPECT_EQ(combo->GetCurSel(), 2);
    EXPECT_STREQ(combo->GetText().GetData(), "item3");
    ASSERT_TRUE(combo->RemoveAt(3));  // after it
    EXPECT_EQ(combo->GetCurSel(), 2);
    EXPECT_EQ(log.Count("itemselect"), 0);
    ExpectIndicesInOrder();
    EXPECT_FALSE(combo->RemoveAt(10));
    EXPECT_FALSE(combo->Remove(nullptr));
}

TEST_F(ComboTest, RemovingTheSelectedItemSelectsAFittingNeighbour)
{
    combo->SelectItem(2);
    log.seen.clear();
    ASSERT_TRUE(combo->RemoveAt(2));  // "item3" moves into its place
    EXPECT_EQ(combo->GetCurSel(), 2);
    EXPECT_STREQ(combo->GetText().GetData(), "item3");
    ASSERT_EQ(log.Count("itemselect"), 1);
    EXPECT_EQ(log.Last("itemselect")->wParam, 2u);

    combo->GetItemAt(3)->SetEnabled(false);  // "item4"
    ASSERT_TRUE(combo->RemoveAt(2));  // the one moving in is disabled: the one before
    EXPECT_STREQ(combo->GetText().GetData(), "item1");
    EXPECT_EQ(combo->GetCurSel(), 1);

    combo->GetItemAt(0)->SetEnabled(false);
    AddItem()->SetText("extra");
    ASSERT_TRUE(combo->RemoveAt(1));  // nothing selectable at or before: the first selectable after
    EXPECT_STREQ(combo->GetText().GetData(), "extra");
    EXPECT_EQ(combo->GetCurSel(), 2);
    ExpectIndicesInOrder();

    ASSERT_TRUE(combo->RemoveAt(2));  // nothing selectable left
    EXPECT_EQ(combo->GetCurSel(), -1);
}

TEST_F(ComboTest, RemoveAllClearsTheSelection)
{
    combo->SelectItem(1);
    combo->RemoveAll();
    EXPECT_EQ(combo->GetCurSel(), -1);
    EXPECT_EQ(combo->GetCount(), 0);
    EXPECT_STREQ(combo->GetText().GetData(), "");
    TEventMsg down = KeyDown(VK_DOWN);
    combo->DoEvent(down);
    EXPECT_EQ(combo->GetCurSel(), -1);
}

TEST_F(ComboTest, MovingAnItemKeepsTheSelectedItemAndTheIndices)
{
    combo->SelectItem(1);
    ASSERT_TRUE(combo->SetItemIndex(combo->GetItemAt(1), 4));
    EXPECT_EQ(combo->GetCurSel(), 4);
    EXPECT_STREQ(combo->GetText().GetData(), "item1");
    ASSERT_TRUE(combo->SetItemIndex(combo->GetItemAt(0), 4));
    EXPECT_EQ(combo->GetCurSel(), 3);
    EXPECT_STREQ(combo->GetText().GetData(), "item1");
    ExpectIndicesInOrder();
    EXPECT_FALSE(combo->SetItemIndex(combo->GetItemAt(0), 9));
    EXPECT_EQ(combo->GetCurSel(), 3);
}

TEST_F(ComboTest, TheBoxShowsTheSelectedItemsTextOnly)
{
    CPixelCanvas canvas;
    const RECT all = {0, 0, CPixelCanvas::kWidth, CPixelCanvas::kHeight};
    combo->SetPos(RECT{0, 0, 200, 24});
    canvas.Clear();
    combo->DoPaint(canvas.dc(), all);
    EXPECT_EQ(canvas.CountNot(0), 0);
    combo->SelectItem(1);
    combo->GetItemStyle()->dwSelectedTextColor = 0xFFFFFFFF;  // the box shows the selected colours
    canvas.Clear();
    combo->DoPaint(canvas.dc(), all);
    EXPECT_GT(canvas.CountNot(0), 0);
    // The item text stays inside the box's text area.
    combo->SetTextPadding(RECT{0, 0, 150, 0});
    CPixelCanvas narrow;
    narrow.Clear();
    combo->DoPaint(narrow.dc(), all);
    for (int y = 0; y < 24; ++y) EXPECT_EQ(narrow.At(60, y), 0u);
}

TEST_F(ComboTest, ComboBoxArrowNarrowsTheTextAndSurvivesAMissingImage)
{
    CComboBoxUI box;
    host.Add(&box, 24);
    auto* item = new CListLabelElementUI;
    item->SetText("wide wide wide wide wide wide wide wide");
    box.Add(item);
    box.SelectItem(0);
    box.GetItemStyle()->dwSelectedTextColor = 0xFFFFFFFF;
    box.SetArrowImage("file='missing-arrow.png' source='0,0,100,20'");
    box.SetPos(RECT{0, 0, 200, 24});
    CPixelCanvas canvas;
    canvas.Clear();
    box.DoPaint(canvas.dc(), RECT{0, 0, CPixelCanvas::kWidth, CPixelCanvas::kHeight});
    EXPECT_EQ(box.GetArrowWidth(), 20);
    EXPECT_STREQ(box.GetArrowImage().GetData(), "file='missing-arrow.png' source='0,0,100,20'");
    for (int y = 0; y < 24; ++y) EXPECT_EQ(canvas.At(190, y), 0u) << y;
    int drawn = 0;
    for (int y = 0; y < 24; ++y) drawn += canvas.At(100, y) != 0 ? 1 : 0;
    EXPECT_GT(drawn, 0);
    host.root->Remove(&box);
}
