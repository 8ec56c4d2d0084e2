#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "EditTestHost.h"

using namespace SkinUI;

namespace {

RECT WindowRect(HWND hWnd)
{
    RECT rc = {0, 0, 0, 0};
    ::GetWindowRect(hWnd, &rc);
    return rc;
}

class ComboPopupTest : public CComboTestBase {
protected:
    ComboPopupTest()
        : CComboTestBase(4)
    {}
    void TearDown() override
    {
        PumpUntilClosed();
        CComboTestBase::TearDown();
    }
    HWND Open()
    {
        EXPECT_TRUE(combo->Activate());
        HWND hWndPopup = ::FindWindowA("ComboWnd", nullptr);
        EXPECT_NE(hWndPopup, nullptr);
        return hWndPopup;
    }
    void Key(HWND hWndPopup, WPARAM vk) { ::SendMessageA(hWndPopup, WM_KEYDOWN, vk, 0); }
    void PumpUntilClosed()
    {
        for (int i = 0; i < 50 && combo != nullptr && combo->IsOpen(); ++i) PumpMessages();
    }
    int ItemHeight() const { return host.pm.GetDefaultFontInfo()->tm.tmHeight + 8; }
    RECT ComboOnScreen() const
    {
        RECT rc = combo->GetPos();
        ::MapWindowPoints(host.hWnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }
};

} // namespace

TEST_F(ComboPopupTest, OpensBelowWithTheItemsHeightAndLendsThemItsLayout)
{
    HWND hWndPopup = Open();
    ASSERT_NE(hWndPopup, nullptr);
    EXPECT_TRUE(combo->Activate()); // already open: no second popup
    EXPECT_EQ(log.Count("dropdown"), 1);

    const RECT rcPopup = WindowRect(hWndPopup);
    const RECT rcCombo = ComboOnScreen();
    EXPECT_EQ(rcPopup.left, rcCombo.left);
    EXPECT_EQ(rcPopup.right, rcCombo.right);
    EXPECT_EQ(rcPopup.top, rcCombo.bottom);
    EXPECT_EQ(rcPopup.bottom - rcPopup.top, 4 * ItemHeight() + 4);

    CControlUI* item = combo->GetItemAt(0);
    EXPECT_NE(item->GetManager(), &host.pm);
    ::UpdateWindow(hWndPopup);
    const RECT rcShown = item->GetPos();
    EXPECT_EQ(rcShown.bottom - rcShown.top, ItemHeight());
    combo->SetPos(combo->GetPos()); // the window's layout must not pull the items out of the list
    EXPECT_TRUE(::EqualRect(&rcShown, &item->GetPos()));

    Key(hWndPopup, VK_RETURN);
    PumpUntilClosed();
    EXPECT_FALSE(::IsWindow(hWndPopup));
    EXPECT_EQ(item->GetManager(), &host.pm);
    EXPECT_EQ(item->GetParent(), combo);
    EXPECT_TRUE(::IsRectEmpty(&item->GetPos()));
    EXPECT_EQ(host.pm.GetFocus(), combo);
}

TEST_F(ComboPopupTest, NamedItemsAreFoundByNameAgainOnceTheListCloses)
{
    auto* named = new CListLabelElementUI;
    named->SetName("named");
    combo->Add(named);
    ASSERT_EQ(host.pm.FindControl("named"), named);
    Key(Open(), VK_ESCAPE);
    PumpUntilClosed();
    ASSERT_FALSE(combo->IsOpen());
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
    HWND hWndPopup = Open();
    const RECT rcPopup = WindowRect(hWndPopup);
    EXPECT_EQ(rcPopup.bottom - rcPopup.top, 4 * (cyFont + 8) + 4);
    ::UpdateWindow(hWndPopup);
    const RECT rcItem = combo->GetItemAt(0)->GetPos();
    EXPECT_EQ(rcItem.bottom - rcItem.top, cyFont + 8);
}

TEST_F(ComboPopupTest, DropBoxSizeLimitsAndKeysScrollTheSelectionIntoView)
{
    for (int i = 4; i < 20; ++i) AddItem("more" + std::to_string(i));
    combo->SetDropBoxSize(SIZE{180, 150});
    combo->SelectItem(0);
    HWND hWndPopup = Open();
    EXPECT_EQ(WindowRect(hWndPopup).right - WindowRect(hWndPopup).left, 180);
    ::UpdateWindow(hWndPopup);
    RECT rcClient = {0, 0, 0, 0};
    ::GetClientRect(hWndPopup, &rcClient);
    EXPECT_EQ(rcClient.bottom, 150);
    EXPECT_GT(combo->GetItemAt(19)->GetPos().top, rcClient.bottom);
    Key(hWndPopup, VK_END);
    ASSERT_EQ(combo->GetCurSel(), 19);
    const RECT rcLast = combo->GetItemAt(19)->GetPos();
    EXPECT_LE(rcLast.bottom, rcClient.bottom);
    EXPECT_GE(rcLast.top, rcClient.top);
    Key(hWndPopup, VK_HOME);
    EXPECT_GE(combo->GetItemAt(0)->GetPos().top, rcClient.top);
}

TEST_F(ComboPopupTest, EscapeRestoresTheOpeningSelectionEvenAfterARemoval)
{
    combo->SelectItem(1);
    HWND hWndPopup = Open();
    log.seen.clear();
    Key(hWndPopup, VK_DOWN);
    ::SendMessageA(hWndPopup, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(combo->GetCurSel(), 3);
    ::SendMessageA(hWndPopup, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(combo->GetCurSel(), 2);
    Key(hWndPopup, VK_ESCAPE);
    EXPECT_EQ(combo->GetCurSel(), 1);
    ASSERT_EQ(log.Count("itemselect"), 4);
    EXPECT_EQ(log.Last("itemselect")->wParam, 1u);
    EXPECT_EQ(log.Last("itemselect")->lParam, 2);
    PumpUntilClosed();
    EXPECT_FALSE(combo->IsOpen());
    EXPECT_STREQ(combo->GetText().GetData(), "item1");

    combo->SelectItem(2);
    hWndPopup = Open();
    ASSERT_TRUE(combo->RemoveAt(0));
    Key(hWndPopup, VK_DOWN);
    EXPECT_STREQ(combo->GetText().GetData(), "item3");
    Key(hWndPopup, VK_ESCAPE);
    EXPECT_STREQ(combo->GetText().GetData(), "item2");
}

TEST_F(ComboPopupTest, PressOpensAndPushedLastsUntilThePopupCloses)
{
    TEventMsg event;
    event.Type = UIEVENT_BUTTONDOWN;
    event.ptMouse = POINT{5, 5};
    combo->Event(event);
    ASSERT_TRUE(combo->IsOpen());
    event.Type = UIEVENT_BUTTONUP;
    combo->Event(event);
    EXPECT_EQ(combo->GetButtonState() & (UISTATE_PUSHED | UISTATE_CAPTURED), UISTATE_PUSHED);
    Key(::FindWindowA("ComboWnd", nullptr), VK_RETURN);
    PumpUntilClosed();
    EXPECT_FALSE(combo->IsOpen());
    EXPECT_EQ(combo->GetButtonState() & UISTATE_PUSHED, 0u);
}

TEST_F(ComboPopupTest, ItemsRemovedWhileOpenLeaveThePopup)
{
    combo->SelectItem(3);
    HWND hWndPopup = Open();
    ASSERT_TRUE(combo->RemoveAt(0));
    EXPECT_EQ(combo->GetCurSel(), 2);
    EXPECT_TRUE(combo->IsOpen());
    // The removed item is deleted by the window's manager; the popup must no longer paint or hit it.
    PumpMessages();
    ::RedrawWindow(hWndPopup, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ::SendMessageA(hWndPopup, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    Key(hWndPopup, VK_RETURN);
    PumpUntilClosed();
    EXPECT_FALSE(combo->IsOpen());
    ASSERT_EQ(combo->GetCount(), 3);
    for (int i = 0; i < combo->GetCount(); ++i) EXPECT_EQ(combo->GetItemAt(i)->GetManager(), &host.pm);

    hWndPopup = Open();
    combo->RemoveAll();
    PumpMessages();
    ::RedrawWindow(hWndPopup, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(combo->GetCount(), 0);
}

TEST_F(ComboPopupTest, DestroyingAnOpenComboClosesThePopupFirst)
{
    HWND hWndPopup = Open();
    host.root->Remove(combo);
    delete combo;
    combo = nullptr;
    EXPECT_FALSE(::IsWindow(hWndPopup));
    PumpMessages();
}
