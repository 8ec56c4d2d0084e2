#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "EditTestHost.h"

using namespace SkinUI;

namespace {

class ComboPopupTest : public CComboTestBase {
protected:
    ComboPopupTest()
        : CComboTestBase(4)
    {}
    void TearDown() override { PumpUntilClosed(); }
    HWND Open()
    {
        EXPECT_TRUE(combo->Activate());
        popup = ::FindWindowA("ComboWnd", nullptr);
        EXPECT_NE(popup, nullptr);
        return popup;
    }
    void Key(WPARAM vk) { ::SendMessageA(popup, WM_KEYDOWN, vk, 0); }
    void Wheel(int delta) { ::SendMessageA(popup, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0); }
    void PumpUntilClosed()
    {
        for (int i = 0; i < 50 && combo != nullptr && combo->IsOpen(); ++i) PumpMessages();
    }
    RECT PopupRect() const
    {
        RECT rc = {0, 0, 0, 0};
        ::GetWindowRect(popup, &rc);
        return rc;
    }
    int ItemHeight() const { return combo->GetItemAt(0)->GetPos().bottom - combo->GetItemAt(0)->GetPos().top; }

    HWND popup = nullptr;
};

} // namespace

TEST_F(ComboPopupTest, APressOpensItBelowLendsTheItemsItsLayoutAndClosingGivesThemBack)
{
    auto* named = new CListLabelElementUI;
    named->SetName("named");
    combo->Add(named);
    ASSERT_EQ(host.pm.FindControl("named"), named);
    TEventMsg event;
    event.Type = UIEVENT_BUTTONDOWN;
    event.ptMouse = POINT{5, 5};
    combo->Event(event);
    event.Type = UIEVENT_BUTTONUP;
    combo->Event(event);
    ASSERT_TRUE(combo->IsOpen());
    EXPECT_EQ(combo->GetButtonState() & (UISTATE_PUSHED | UISTATE_CAPTURED), UISTATE_PUSHED);
    Open(); // already open: no second popup
    EXPECT_EQ(log.Count("dropdown"), 1);

    const int cyItem = host.pm.GetDefaultFontInfo()->tm.tmHeight + 8;
    RECT rcCombo = combo->GetPos();
    ::MapWindowPoints(host.hWnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&rcCombo), 2);
    const RECT expected = {rcCombo.left, rcCombo.bottom, rcCombo.right, rcCombo.bottom + 5 * cyItem + 4};
    const RECT rcPopup = PopupRect();
    EXPECT_TRUE(::EqualRect(&rcPopup, &expected));
    CControlUI* item = combo->GetItemAt(0);
    EXPECT_NE(item->GetManager(), &host.pm);
    ::UpdateWindow(popup);
    const RECT rcShown = item->GetPos();
    EXPECT_EQ(ItemHeight(), cyItem);
    combo->SetPos(combo->GetPos()); // the window's layout must not pull the items out of the list
    EXPECT_TRUE(::EqualRect(&rcShown, &item->GetPos()));

    Key(VK_RETURN);
    PumpUntilClosed();
    EXPECT_FALSE(::IsWindow(popup));
    EXPECT_EQ(combo->GetButtonState() & UISTATE_PUSHED, 0u);
    EXPECT_EQ(item->GetManager(), &host.pm);
    EXPECT_EQ(item->GetParent(), combo);
    EXPECT_TRUE(::IsRectEmpty(&item->GetPos()));
    EXPECT_EQ(host.pm.GetFocus(), combo);
    EXPECT_EQ(host.pm.FindControl("named"), named);
}

TEST_F(ComboPopupTest, ItemsInThePopupUseTheWindowsFonts)
{
    ASSERT_NE(host.pm.AddFont("Arial", 30, false, false, false), nullptr);
    int iFont = 0;
    while (host.pm.GetFontInfo(iFont + 1) != host.pm.GetDefaultFontInfo()) ++iFont;
    const int cyFont = host.pm.GetFontInfo(iFont)->tm.tmHeight;
    ASSERT_NE(cyFont, host.pm.GetDefaultFontInfo()->tm.tmHeight);
    combo->GetItemStyle()->nFont = iFont;
    combo->SetDropBoxSize(SIZE{0, 400});
    Open();
    EXPECT_EQ(PopupRect().bottom - PopupRect().top, 4 * (cyFont + 8) + 4);
    ::UpdateWindow(popup);
    EXPECT_EQ(ItemHeight(), cyFont + 8);
}

TEST_F(ComboPopupTest, DropBoxSizeLimitsAndKeysScrollTheSelectionIntoView)
{
    for (int i = 4; i < 20; ++i) AddItem("more" + std::to_string(i));
    combo->SetDropBoxSize(SIZE{180, 150});
    combo->SelectItem(0);
    Open();
    EXPECT_EQ(PopupRect().right - PopupRect().left, 180);
    ::UpdateWindow(popup);
    RECT rcClient = {0, 0, 0, 0};
    ::GetClientRect(popup, &rcClient);
    EXPECT_EQ(rcClient.bottom, 150);
    EXPECT_GT(combo->GetItemAt(19)->GetPos().top, rcClient.bottom);
    Key(VK_END);
    ASSERT_EQ(combo->GetCurSel(), 19);
    EXPECT_LE(combo->GetItemAt(19)->GetPos().bottom, rcClient.bottom);
    EXPECT_GE(combo->GetItemAt(19)->GetPos().top, rcClient.top);
    Key(VK_HOME);
    EXPECT_GE(combo->GetItemAt(0)->GetPos().top, rcClient.top);
}

TEST_F(ComboPopupTest, EscapeRestoresTheOpeningSelectionEvenAfterARemoval)
{
    combo->SelectItem(1);
    Open();
    log.seen.clear();
    Key(VK_DOWN);
    Wheel(-WHEEL_DELTA);
    EXPECT_EQ(combo->GetCurSel(), 3);
    Wheel(WHEEL_DELTA);
    EXPECT_EQ(combo->GetCurSel(), 2);
    Key(VK_ESCAPE);
    EXPECT_EQ(combo->GetCurSel(), 1);
    ASSERT_EQ(log.Count("itemselect"), 4);
    EXPECT_EQ(log.Last("itemselect")->wParam, 1u);
    EXPECT_EQ(log.Last("itemselect")->lParam, 2);
    PumpUntilClosed();
    EXPECT_FALSE(combo->IsOpen());
    EXPECT_STREQ(combo->GetText().GetData(), "item1");

    combo->SelectItem(2);
    Open();
    ASSERT_TRUE(combo->RemoveAt(0));
    Key(VK_DOWN);
    EXPECT_STREQ(combo->GetText().GetData(), "item3");
    Key(VK_ESCAPE);
    EXPECT_STREQ(combo->GetText().GetData(), "item2");
}

TEST_F(ComboPopupTest, ItemsRemovedOrTheComboDestroyedWhileOpenLeaveThePopup)
{
    combo->SelectItem(3);
    Open();
    ASSERT_TRUE(combo->RemoveAt(0));
    EXPECT_EQ(combo->GetCurSel(), 2);
    EXPECT_TRUE(combo->IsOpen());
    // The removed item is deleted by the window's manager; the popup must no longer paint or hit it.
    PumpMessages();
    ::RedrawWindow(popup, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ::SendMessageA(popup, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    Key(VK_RETURN);
    PumpUntilClosed();
    EXPECT_FALSE(combo->IsOpen());
    ASSERT_EQ(combo->GetCount(), 3);
    for (int i = 0; i < combo->GetCount(); ++i) EXPECT_EQ(combo->GetItemAt(i)->GetManager(), &host.pm);

    Open();
    combo->RemoveAll();
    PumpMessages();
    ::RedrawWindow(popup, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(combo->GetCount(), 0);
    AddItem("again");
    Open();
    // Destroying an open combo closes the popup first.
    host.root->Remove(combo);
    delete combo;
    combo = nullptr;
    EXPECT_FALSE(::IsWindow(popup));
    PumpMessages();
}
