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
