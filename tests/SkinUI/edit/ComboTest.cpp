#include <gtest/gtest.h>
#include <windows.h>
#include "EditTestHost.h"
#include "SkinUI/Control/ComboBoxUI.h"
#include "tests/SkinUI/support/PixelSurface.h"

using namespace SkinUI;

namespace {

class ComboTest : public CComboTestBase {
protected:
    ComboTest()
        : CComboTestBase(5)
    {}
    IListItemUI* Item(int i) { return static_cast<IListItemUI*>(combo->GetItemAt(i)->GetInterface("ListItem")); }
    // The selection's index and text, and every item's index in order.
    void ExpectSelected(int index, const char* text)
    {
        EXPECT_EQ(combo->GetCurSel(), index);
        EXPECT_STREQ(combo->GetText().GetData(), text);
        for (int i = 0; i < combo->GetCount(); ++i) EXPECT_EQ(Item(i)->GetIndex(), i) << "item " << i;
    }
};

} // namespace

TEST_F(ComboTest, SelectItemNotifiesNewAndPreviousShowsTheTextAndRefusesWhatCannotBeSelected)
{
    ASSERT_TRUE(combo->SelectItem(2));
    ASSERT_TRUE(combo->SelectItem(99)); // clamped to the last item
    ASSERT_EQ(log.Count("itemselect"), 2);
    EXPECT_EQ(log.Last("itemselect")->wParam, 4u);
    EXPECT_EQ(log.Last("itemselect")->lParam, 2);
    EXPECT_FALSE(Item(2)->IsSelected());
    EXPECT_TRUE(Item(4)->IsSelected());
    ExpectSelected(4, "item4");
    // Already selected, also through the clamp: nothing sent.
    EXPECT_TRUE(combo->SelectItem(4));
    EXPECT_TRUE(combo->SelectItem(99));
    EXPECT_EQ(log.Count("itemselect"), 2);
    // Hiding the selection clears it silently.
    combo->GetItemAt(4)->SetVisible(false);
    EXPECT_EQ(combo->GetCurSel(), -1);
    EXPECT_EQ(log.Count("itemselect"), 2);
    // Hidden, disabled and foreign children are refused and leave the selection as it is.
    ASSERT_TRUE(combo->SelectItem(0));
    combo->GetItemAt(1)->SetEnabled(false);
    combo->Add(new CControlUI);
    for (int i : {1, 4, 5}) EXPECT_FALSE(combo->SelectItem(i)) << i;
    EXPECT_EQ(combo->GetCurSel(), 0);
    EXPECT_TRUE(Item(0)->IsSelected());
    EXPECT_STREQ(combo->GetText().GetData(), "item0");
    EXPECT_EQ(log.Count("itemselect"), 3);
}

TEST_F(ComboTest, AnItemSelectedElsewhereOrWhileDisabledCanStillBePicked)
{
    auto* pre = new CListLabelElementUI;
    pre->SetText("pre");
    pre->SetAttribute("selected", "true");
    combo->Add(pre);
    ASSERT_EQ(combo->GetCurSel(), -1);
    EXPECT_FALSE(Item(5)->IsSelected());
    combo->SelectItem(1);
    combo->GetItemAt(1)->SetEnabled(false);
    combo->SelectItem(3);
    combo->GetItemAt(1)->SetEnabled(true);
    for (int i = 0; i < combo->GetCount(); ++i) EXPECT_EQ(Item(i)->IsSelected(), i == 3) << i;
    log.seen.clear();
    for (int i : {5, 1}) {
        TEventMsg press;
        press.Type = UIEVENT_BUTTONDOWN;
        combo->GetItemAt(i)->Event(press);
        EXPECT_EQ(combo->GetCurSel(), i);
        EXPECT_TRUE(Item(i)->IsSelected());
    }
    EXPECT_EQ(log.Count("itemselect"), 2);
    EXPECT_STREQ(combo->GetText().GetData(), "item1");
    // Deselecting the selected item clears the combo's selection as well.
    EXPECT_TRUE(Item(1)->Select(false));
    EXPECT_EQ(combo->GetCurSel(), -1);
}

TEST_F(ComboTest, KeysAndWheelMoveTheSelectionOverEnabledItemsWithoutOpening)
{
    const char kWheelUp = 1;
    const char kWheelDown = 2;
    struct TCase {
        unsigned disabled; // bit i: item i disabled
        int start;
        char key;
        int expected;
    };
    const TCase cases[] = {
        {0, 1, VK_DOWN, 2},   {0, 1, VK_UP, 0},         {0, 0, VK_UP, 0},      {0, 1, VK_END, 4},
        {0, 3, VK_HOME, 0},   {0x12, 0, VK_NEXT, 2},    {0x12, 2, VK_NEXT, 3}, {0x12, 3, VK_NEXT, 3},
        {0x12, 0, VK_END, 3}, {0x12, 2, VK_PRIOR, 0},   {0x13, 2, VK_HOME, 2}, {0, 2, kWheelDown, 3},
        {0, 2, kWheelUp, 1},  {0x12, 0, kWheelDown, 2},
    };
    for (const TCase& c : cases) {
        for (int i = 0; i < combo->GetCount(); ++i) combo->GetItemAt(i)->SetEnabled((c.disabled >> i & 1) == 0);
        ASSERT_TRUE(combo->SelectItem(c.start));
        log.seen.clear();
        TEventMsg event;
        event.Type = UIEVENT_KEYDOWN;
        event.chKey = c.key;
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

TEST_F(ComboTest, InsertingAndMovingKeepTheSameItemSelectedAndADuplicateIsRefused)
{
    combo->SelectItem(2);
    ASSERT_TRUE(combo->AddAt(new CListLabelElementUI, 0));
    ASSERT_TRUE(combo->AddAt(new CListLabelElementUI, 5));
    ExpectSelected(3, "item2");
    // A refused insertion changes nothing.
    CListLabelElementUI stray;
    EXPECT_FALSE(combo->AddAt(&stray, 40));
    EXPECT_EQ(stray.GetOwner(), nullptr);
    ExpectSelected(3, "item2");
    ASSERT_TRUE(combo->SetItemIndex(combo->GetItemAt(3), 6));
    ExpectSelected(6, "item2");
    ASSERT_TRUE(combo->SetItemIndex(combo->GetItemAt(0), 6));
    ExpectSelected(5, "item2");
    EXPECT_FALSE(combo->SetItemIndex(combo->GetItemAt(0), 9));
    EXPECT_EQ(combo->GetCurSel(), 5);
    // A refused duplicate keeps its index.
    EXPECT_FALSE(combo->Add(combo->GetItemAt(1)));
    ExpectSelected(5, "item2");
    EXPECT_EQ(combo->GetCount(), 7);
}

TEST_F(ComboTest, WithoutAManagerOrAPopupWindowTheComboStaysClosed)
{
    CComboUI loose;
    loose.Add(new CListLabelElementUI);
    EXPECT_FALSE(loose.Activate());
    EXPECT_FALSE(loose.IsOpen());
    // A manager whose window is gone cannot parent a popup.
    CPaintManagerUI gone;
    HWND hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    gone.Init(hWnd);
    ::DestroyWindow(hWnd);
    combo->SetManager(&gone, nullptr, false);
    EXPECT_FALSE(combo->Activate());
    EXPECT_FALSE(combo->IsOpen());
    EXPECT_EQ(log.Count("dropdown"), 0);
    combo->SetManager(&host.pm, host.root, false);
    EXPECT_TRUE(combo->SelectItem(1));
    ExpectSelected(1, "item1");
}

TEST_F(ComboTest, RemovingShiftsTheSelectionSilentlyOrSelectsAFittingNeighbour)
{
    combo->SelectItem(3);
    log.seen.clear();
    ASSERT_TRUE(combo->RemoveAt(0));
    ASSERT_TRUE(combo->RemoveAt(3));
    ExpectSelected(2, "item3");
    EXPECT_EQ(log.Count("itemselect"), 0);
    EXPECT_FALSE(combo->RemoveAt(10));
    EXPECT_FALSE(combo->Remove(nullptr));
    AddItem("item4");
    AddItem("item5");
    ASSERT_TRUE(combo->RemoveAt(2)); // "item4" moves into its place
    ExpectSelected(2, "item4");
    ASSERT_EQ(log.Count("itemselect"), 1);
    EXPECT_EQ(log.Last("itemselect")->wParam, 2u);
    combo->GetItemAt(3)->SetEnabled(false); // "item5"
    ASSERT_TRUE(combo->RemoveAt(2)); // the one moving in is disabled: the one before
    ExpectSelected(1, "item2");
    combo->GetItemAt(0)->SetEnabled(false);
    AddItem("extra");
    ASSERT_TRUE(combo->RemoveAt(1)); // nothing selectable at or before: the first selectable after
    ExpectSelected(2, "extra");
    ASSERT_TRUE(combo->RemoveAt(2)); // nothing selectable left
    EXPECT_EQ(combo->GetCurSel(), -1);
    combo->RemoveAll();
    ExpectSelected(-1, "");
}

TEST_F(ComboTest, TheBoxShowsTheSelectedTextInsideItsTextAreaAndBesideTheArrow)
{
    CPixelSurface canvas(200, 100, 0);
    const auto column = [&](CComboUI& box, int x) {
        canvas.Fill(0);
        box.SetPos(RECT{0, 0, 200, 24});
        box.DoPaint(canvas.dc(), canvas.Rect());
        int drawn = 0;
        for (int y = 0; y < 24; ++y) drawn += canvas.At(x, y) != 0 ? 1 : 0;
        return drawn;
    };
    column(*combo, 100);
    EXPECT_EQ(canvas.CountNot(0), 0); // nothing selected, nothing shown
    combo->GetItemAt(1)->SetText("wide wide wide wide wide wide wide wide");
    combo->SelectItem(1);
    combo->GetItemStyle()->dwSelectedTextColor = 0xFFFFFFFF; // the box shows the selected colours
    EXPECT_GT(column(*combo, 100), 0);
    combo->SetTextPadding(RECT{0, 0, 150, 0});
    EXPECT_EQ(column(*combo, 60), 0);
    // The arrow narrows the text even when its image is missing.
    CComboBoxUI box;
    host.Add(&box, 24);
    box.Add(new CListLabelElementUI);
    box.GetItemAt(0)->SetText("wide wide wide wide wide wide wide wide");
    box.SelectItem(0);
    box.GetItemStyle()->dwSelectedTextColor = 0xFFFFFFFF;
    box.SetArrowImage("file='missing-arrow.png' source='0,0,100,20'");
    EXPECT_GT(column(box, 100), 0);
    EXPECT_EQ(column(box, 190), 0);
    EXPECT_EQ(box.GetArrowWidth(), 20);
    host.root->Remove(&box);
}
