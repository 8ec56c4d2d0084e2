#include <gtest/gtest.h>
#include <windows.h>
#include "EditTestHost.h"
#include "SkinUI/Control/ComboUI.h"
#include "SkinUI/Control/ListLabelElementUI.h"

using namespace SkinUI;

namespace {

RECT WorkArea(HWND hWnd)
{
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    ::GetMonitorInfoA(::MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST), &mi);
    return mi.rcWork;
}

class ComboPopupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.pm.AddNotifier(&log);
        combo = new CComboUI;
        host.Add(combo, 24);
        for (int i = 0; i < 4; ++i) {
            auto* item = new CListLabelElementUI;
            char text[16];
            wsprintfA(text, "item%d", i);
            item->SetText(text);
            combo->Add(item);
        }
    }
    void TearDown() override
    {
        PumpUntilClosed();
        if (combo != nullptr) {
            host.root->Remove(combo);
            delete combo;
        }
        host.pm.RemoveNotifier(&log);
    }
    HWND Open()
    {
        EXPECT_TRUE(combo->Activate());
        HWND hWndPopup = ::FindWindowA("ComboWnd", nullptr);
        EXPECT_NE(hWndPopup, nullptr);
        return hWndPopup;
    }
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

    CEditTestHost& host = CEditTestHost::Shared();
    CNotifyLog log;
    CComboUI* combo = nullptr;
};

} // namespace

TEST_F(ComboPopupTest, OpensBelowWithTheItemsHeightAndLendsThemItsLayout)
{
    HWND hWndPopup = Open();
    ASSERT_NE(hWndPopup, nullptr);
    EXPECT_TRUE(combo->IsOpen());
    EXPECT_EQ(log.Count("dropdown"), 1);
    EXPECT_TRUE(combo->Activate());  // already open: no second popup
    EXPECT_EQ(log.Count("dropdown"), 1);

    RECT rcPopup = {0, 0, 0, 0};
    ::GetWindowRect(hWndPopup, &rcPopup);
    const RECT rcCombo = ComboOnScreen();
    EXPECT_EQ(rcPopup.left, rcCombo.left);
    EXPECT_EQ(rcPopup.right, rcCombo.right);
    EXPECT_EQ(rcPopup.top, rcCombo.bottom);
    EXPECT_EQ(rcPopup.bottom - rcPopup.top, 4 * ItemHeight() + 4);
    EXPECT_NE(::GetWindowLongA(hWndPopup, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);

    CControlUI* item = combo->GetItemAt(0);
    EXPECT_NE(item->GetManager(), &host.pm);
    EXPECT_NE(item->GetParent(), combo);
    ::UpdateWindow(hWndPopup);
    const RECT rcShown = item->GetPos();
    EXPECT_EQ(rcShown.bottom - rcShown.top, ItemHeight());
    combo->SetPos(combo->GetPos());  // the window's layout must not pull the items out of the list
    EXPECT_TRUE(::EqualRect(&rcShown, &item->GetPos()));

    ::SendMessageA(hWndPopup, WM_KEYDOWN, VK_RETURN, 0);
    PumpUntilClosed();
    EXPECT_FALSE(combo->IsOpen());
    EXPECT_FALSE(::IsWindow(hWndPopup));
    EXPECT_EQ(item->GetManager(), &host.pm);
    EXPECT_EQ(item->GetParent(), combo);
    EXPECT_TRUE(::IsRectEmpty(&item->GetPos()));
    EXPECT_EQ(host.pm.GetFocus(), combo);
}

TEST_F(ComboPopupTest, OpensAboveNearTheBottomOfTheWorkArea)
{
    RECT rcHost = {0, 0, 0, 0};
    ::GetWindowRect(host.hWnd, &rcHost);
    const RECT rcWork = WorkArea(host.hWnd);
    ::SetWindowPos(host.hWnd, nullptr, rcHost.left, rcWork.bottom - 60, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    HWND hWndPopup = Open();
    RECT rcPopup = {0, 0, 0, 0};
    ::GetWindowRect(hWndPopup, &rcPopup);
    const RECT rcCombo = ComboOnScreen();
    ::SendMessageA(hWndPopup, WM_KEYDOWN, VK_RETURN, 0);
    PumpUntilClosed();
    ::SetWindowPos(host.hWnd, nullptr, rcHost.left, rcHost.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    EXPECT_EQ(rcPopup.bottom, rcCombo.top);
    EXPECT_EQ(rcPopup.bottom - rcPopup.top, 4 * ItemHeight() + 4);
    EXPECT_LE(rcPopup.bottom, rcWork.bottom);
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
    RECT rcPopup = {0, 0, 0, 0};
    ::GetWindowRect(hWndPopup, &rcPopup);
    EXPECT_EQ(rcPopup.bottom - rcPopup.top, 4 * (cyFont + 8) + 4);
    ::UpdateWindow(hWndPopup);
    const RECT rcItem = combo->GetItemAt(0)->GetPos();
    EXPECT_EQ(rcItem.bottom - rcItem.top, cyFont + 8);
}

TEST_F(ComboPopupTest, DropBoxSizeLimitsTheHeight)
{
    combo->SetDropBoxSize(SIZE{180, ItemHeight() * 2});
    HWND hWndPopup = Open();
    RECT rcPopup = {0, 0, 0, 0};
    ::GetWindowRect(hWndPopup, &rcPopup);
    EXPECT_EQ(rcPopup.right - rcPopup.left, 180);
    EXPECT_EQ(rcPopup.bottom - rcPopup.top, ItemHeight() * 2);
}

TEST_F(ComboPopupTest, EscapeRestoresTheOpeningSelection)
{
    combo->SelectItem(1);
    HWND hWndPopup = Open();
    log.seen.clear();
    ::SendMessageA(hWndPopup, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(combo->GetCurSel(), 2);
    ::SendMessageA(hWndPopup, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(combo->GetCurSel(), 1);
    ASSERT_EQ(log.Count("itemselect"), 2);
    EXPECT_EQ(log.Last("itemselect")->wParam, 1u);
    EXPECT_EQ(log.Last("itemselect")->lParam, 2);
    PumpUntilClosed();
    EXPECT_FALSE(combo->IsOpen());
    EXPECT_STREQ(combo->GetText().GetData(), "item1");
}

TEST_F(ComboPopupTest, KeysInThePopupScrollTheSelectionIntoView)
{
    for (int i = 4; i < 20; ++i) {
        auto* item = new CListLabelElementUI;
        item->SetText("more");
        combo->Add(item);
    }
    combo->SelectItem(0);
    HWND hWndPopup = Open();
    ::UpdateWindow(hWndPopup);
    RECT rcClient = {0, 0, 0, 0};
    ::GetClientRect(hWndPopup, &rcClient);
    EXPECT_EQ(rcClient.bottom, 150);
    EXPECT_GT(combo->GetItemAt(19)->GetPos().top, rcClient.bottom);
    ::SendMessageA(hWndPopup, WM_KEYDOWN, VK_END, 0);
    ASSERT_EQ(combo->GetCurSel(), 19);
    const RECT rcLast = combo->GetItemAt(19)->GetPos();
    EXPECT_LE(rcLast.bottom, rcClient.bottom);
    EXPECT_GE(rcLast.top, rcClient.top);
    ::SendMessageA(hWndPopup, WM_KEYDOWN, VK_HOME, 0);
    const RECT rcFirst = combo->GetItemAt(0)->GetPos();
    EXPECT_GE(rcFirst.top, rcClient.top);
}

TEST_F(ComboPopupTest, EscapeAfterARemovalRestoresTheSameItem)
{
    combo->SelectItem(2);
    HWND hWndPopup = Open();
    ASSERT_TRUE(combo->RemoveAt(0));
    ::SendMessageA(hWndPopup, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_STREQ(combo->GetText().GetData(), "item3");
    ::SendMessageA(hWndPopup, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_STREQ(combo->GetText().GetData(), "item2");
}

TEST_F(ComboPopupTest, PressOpensAndPushedLastsUntilThePopupCloses)
{
    TEventMsg event;
    event.Type = UIEVENT_BUTTONDOWN;
    event.ptMouse = POINT{5, 5};
    combo->Event(event);
    ASSERT_TRUE(combo->IsOpen());
    EXPECT_EQ(combo->GetButtonState() & (UISTATE_PUSHED | UISTATE_CAPTURED), UISTATE_PUSHED | UISTATE_CAPTURED);
    event.Type = UIEVENT_BUTTONUP;
    combo->Event(event);
    EXPECT_EQ(combo->GetButtonState() & (UISTATE_PUSHED | UISTATE_CAPTURED), UISTATE_PUSHED);
    HWND hWndPopup = ::FindWindowA("ComboWnd", nullptr);
    ASSERT_NE(hWndPopup, nullptr);
    ::SendMessageA(hWndPopup, WM_KEYDOWN, VK_RETURN, 0);
    PumpUntilClosed();
    EXPECT_FALSE(combo->IsOpen());
    EXPECT_EQ(combo->GetButtonState() & UISTATE_PUSHED, 0u);
}

TEST_F(ComboPopupTest, WheelInThePopupMovesTheSelection)
{
    combo->SelectItem(0);
    HWND hWndPopup = Open();
    ::SendMessageA(hWndPopup, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(combo->GetCurSel(), 1);
    ::SendMessageA(hWndPopup, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(combo->GetCurSel(), 0);
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
    ::SendMessageA(hWndPopup, WM_KEYDOWN, VK_RETURN, 0);
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
    combo->SelectItem(0);
    HWND hWndPopup = Open();
    CControlUI* item = combo->GetItemAt(0);
    EXPECT_NE(item->GetManager(), &host.pm);
    host.root->Remove(combo);
    delete combo;
    combo = nullptr;
    EXPECT_FALSE(::IsWindow(hWndPopup));
    PumpMessages();
}
