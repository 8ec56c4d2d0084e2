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
    Open(); // already open: no second popup
    EXPECT_EQ(log.Count("dropdown"), 1);
    CControlUI* item = combo->GetItemAt(0);
    EXPECT_NE(item->GetManager(), &host.pm);
    ::UpdateWindow(popup);
    const RECT rcShown = item->GetPos();
    combo->SetPos(combo->GetPos()); // the window's layout must not pull the items out of the list
    EXPECT_TRUE(::EqualRect(&rcShown, &item->GetPos()));
    Key(VK_RETURN);
    PumpUntilClosed();
    EXPECT_FALSE(::IsWindow(popup));
    EXPECT_EQ(item->GetManager(), &host.pm);
    EXPECT_EQ(item->GetParent(), combo);
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
    ::UpdateWindow(popup);
    EXPECT_EQ(ItemHeight(), cyFont + 8);
}

// Escape gives back the value the list had when it opened, also after an item went.
TEST_F(ComboPopupTest, EscapeRestoresTheOpeningSelectionEvenAfterARemoval)
{
    combo->SelectItem(1);
    Open();
    Key(VK_DOWN);
    Wheel(-WHEEL_DELTA);
    EXPECT_EQ(combo->GetCurSel(), 3);
    Key(VK_ESCAPE);
    EXPECT_EQ(combo->GetCurSel(), 1);
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
    ASSERT_EQ(combo->GetCount(), 3);
    for (int i = 0; i < combo->GetCount(); ++i) EXPECT_EQ(combo->GetItemAt(i)->GetManager(), &host.pm);
    Open();
    // Destroying an open combo closes the popup first.
    host.root->Remove(combo);
    delete combo;
    combo = nullptr;
    EXPECT_FALSE(::IsWindow(popup));
    PumpMessages();
}
