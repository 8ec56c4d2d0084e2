#include <gtest/gtest.h>
#include <windows.h>
#include "EditTestHost.h"

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
    EXPECT_EQ(log.Last("itemselect")->lParam, 2);
    ExpectSelected(4, "item4");
    // Already selected, also through the clamp: nothing sent.
    EXPECT_TRUE(combo->SelectItem(4));
    EXPECT_TRUE(combo->SelectItem(99));
    EXPECT_EQ(log.Count("itemselect"), 2);
    combo->GetItemAt(4)->SetVisible(false);
    // Hidden, disabled and foreign children are refused and leave the selection as it is.
    ASSERT_TRUE(combo->SelectItem(0));
    combo->GetItemAt(1)->SetEnabled(false);
    combo->Add(new CControlUI);
    for (int i : {1, 4, 5}) EXPECT_FALSE(combo->SelectItem(i)) << i;
    EXPECT_EQ(combo->GetCurSel(), 0);
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
    combo->SelectItem(1);
    combo->GetItemAt(1)->SetEnabled(false);
    combo->SelectItem(3);
    combo->GetItemAt(1)->SetEnabled(true);
    log.seen.clear();
    for (int i : {5, 1}) {
        TEventMsg press;
        press.Type = UIEVENT_BUTTONDOWN;
        combo->GetItemAt(i)->Event(press);
        EXPECT_EQ(combo->GetCurSel(), i);
        EXPECT_TRUE(Item(i)->IsSelected());
    }
    EXPECT_EQ(log.Count("itemselect"), 2);
}

// An operator picks a value with the keys or the wheel on the closed list; disabled items are passed over.
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
        {0, 1, VK_DOWN, 2},    {0, 0, VK_UP, 0},      {0, 1, VK_END, 4},        {0, 3, VK_HOME, 0},
        {0x12, 0, VK_NEXT, 2}, {0x12, 3, VK_NEXT, 3}, {0x12, 0, VK_END, 3},     {0x12, 2, VK_PRIOR, 0},
        {0x13, 2, VK_HOME, 2}, {0, 2, kWheelUp, 1},   {0x12, 0, kWheelDown, 2},
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
        EXPECT_FALSE(combo->IsOpen());
    }
}

TEST_F(ComboTest, InsertingAndMovingKeepTheSameItemSelectedAndADuplicateIsRefused)
{
    combo->SelectItem(2);
    ASSERT_TRUE(combo->AddAt(new CListLabelElementUI, 0));
    ExpectSelected(3, "item2");
    ASSERT_TRUE(combo->SetItemIndex(combo->GetItemAt(0), 5));
    ExpectSelected(2, "item2");
    // A refused duplicate keeps its index.
    EXPECT_FALSE(combo->Add(combo->GetItemAt(1)));
    ExpectSelected(2, "item2");
    EXPECT_EQ(combo->GetCount(), 6);
}

TEST_F(ComboTest, WithoutAManagerOrAPopupWindowTheComboStaysClosed)
{
    // A manager whose window is gone cannot parent a popup.
    CPaintManagerUI gone;
    HWND hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    gone.Init(hWnd);
    ::DestroyWindow(hWnd);
    combo->SetManager(&gone, nullptr, false);
    EXPECT_FALSE(combo->Activate());
    EXPECT_EQ(log.Count("dropdown"), 0);
    combo->SetManager(&host.pm, host.root, false);
}
