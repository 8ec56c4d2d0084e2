#include <gtest/gtest.h>
#include <windows.h>
#include <cstring>
#include <vector>
#include "EditTestHost.h"
#include "SkinUI/Control/ListLabelElementUI.h"
#include "SkinUI/Core/ContainerUI.h"
#include "tests/SkinUI/support/PixelSurface.h"

using namespace SkinUI;

namespace {

// A list owner that records what its items ask of it.
class CFakeOwner : public CContainerUI, public IListOwnerUI {
public:
    LPVOID GetInterface(const char* pstrName) override
    {
        if (std::strcmp(pstrName, "IListOwner") == 0) return static_cast<IListOwnerUI*>(this);
        return CContainerUI::GetInterface(pstrName);
    }
    TListItemStyle* GetItemStyle() override { return &style; }
    int GetCurSel() const override { return sel; }
    bool SelectItem(int iIndex, bool) override
    {
        selectCalls.push_back(iIndex);
        sel = iIndex;
        return true;
    }
    void DoEvent(TEventMsg& event) override { events.push_back(event.Type); }

    TListItemStyle style;
    int sel = -1;
    std::vector<int> selectCalls;
    std::vector<int> events;
};

class ListItemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.pm.AddNotifier(&log);
        host.Add(&owner, 100);
        owner.SetAutoDestroy(false);
        for (int i = 0; i < 3; ++i) {
            items[i].SetOwner(&owner);
            items[i].SetIndex(i);
            owner.Add(&items[i]);
        }
        owner.SetPos(RECT{0, 0, 200, 100});
        for (int i = 0; i < 3; ++i) items[i].SetPos(RECT{0, i * 20, 200, i * 20 + 20});
    }
    void TearDown() override
    {
        owner.RemoveAll();
        host.root->Remove(&owner);
        host.pm.RemoveNotifier(&log);
    }
    void Send(int i, int type, char key = 0)
    {
        TEventMsg event;
        event.Type = type;
        event.ptMouse = POINT{5, 5};
        event.chKey = key;
        items[i].Event(event);
    }
    uint32_t Painted(int i, int y)
    {
        canvas.Fill(0);
        items[i].DoPaint(canvas.dc(), RECT{0, 0, 200, 100});
        return canvas.At(100, y);
    }

    TEditTestHost& host = TEditTestHost::Shared();
    CNotifyLog log;
    CFakeOwner owner;
    CListLabelElementUI items[3];
    CPixelSurface canvas{200, 100, 0};
};

} // namespace

TEST_F(ListItemTest, SelectingAsksTheOwnerOncePressesClickAndSelectEnabledRowsOnly)
{
    EXPECT_TRUE(items[2].Select(true));
    EXPECT_TRUE(items[2].Select(true));
    EXPECT_TRUE(items[2].Select(false));
    EXPECT_FALSE(items[2].IsSelected());
    EXPECT_EQ(owner.selectCalls, (std::vector<int>{2, -1}));
    owner.selectCalls.clear();
    items[2].SetEnabled(false);
    EXPECT_FALSE(items[2].Select(true));
    Send(2, UIEVENT_BUTTONDOWN);
    Send(2, UIEVENT_DBLCLICK);
    EXPECT_TRUE(log.seen.empty());
    EXPECT_TRUE(owner.selectCalls.empty());
    EXPECT_FALSE(items[2].IsSelected());
    Send(1, UIEVENT_BUTTONDOWN);
    Send(0, UIEVENT_RBUTTONDOWN);
    ASSERT_EQ(log.Count("itemclick"), 2);
    EXPECT_EQ(log.seen[0].sender, &items[1]);
    EXPECT_EQ(owner.selectCalls, (std::vector<int>{1, 0}));
    EXPECT_TRUE(items[0].IsSelected());
}

TEST_F(ListItemTest, DoubleClickAndReturnActivateOtherKeysGoToTheOwner)
{
    Send(0, UIEVENT_DBLCLICK);
    Send(0, UIEVENT_KEYDOWN, VK_RETURN);
    EXPECT_EQ(log.Count("itemactivate", &items[0]), 2);
    Send(0, UIEVENT_KEYDOWN, VK_DOWN);
    Send(0, UIEVENT_SCROLLWHEEL);
    EXPECT_EQ(owner.events, (std::vector<int>{UIEVENT_KEYDOWN, UIEVENT_SCROLLWHEEL}));
    EXPECT_EQ(log.Count("itemactivate"), 2);
}

TEST_F(ListItemTest, InvalidationIsClippedToTheOwnersClientArea)
{
    owner.SetInset(RECT{0, 0, 0, 10});
    owner.SetPos(RECT{0, 0, 200, 50});
    RECT rcUpdate = {0, 0, 0, 0};
    for (int top : {30, 45}) {
        items[2].SetPos(RECT{0, top, 200, 70});
        ::ValidateRect(host.hWnd, nullptr);
        items[2].Invalidate();
        const bool any = ::GetUpdateRect(host.hWnd, &rcUpdate, FALSE) != FALSE;
        EXPECT_EQ(any, top == 30); // 45 is entirely below the client area
        if (top != 30) continue;
        EXPECT_EQ(rcUpdate.top, 30);
        EXPECT_EQ(rcUpdate.bottom, 40);
    }
}

TEST_F(ListItemTest, BackgroundFollowsStateAlternationHotAndLineColour)
{
    owner.style.dwBkColor = 0xFFFF0000;
    owner.style.dwSelectedBkColor = 0xFF00FF00;
    owner.style.dwDisabledBkColor = 0xFF0000FF;
    owner.style.dwHotBkColor = 0xFF00FFFF;
    owner.style.bAlternateBk = true;
    EXPECT_EQ(Painted(0, 10), 0xFF0000u);
    EXPECT_EQ(Painted(1, 30), 0u); // odd row: no background colour
    items[1].Select(true);
    items[2].SetEnabled(false);
    EXPECT_EQ(Painted(1, 30), 0x00FF00u); // selected wins over the alternation
    EXPECT_EQ(Painted(2, 50), 0x0000FFu); // disabled wins over everything
    Send(0, UIEVENT_MOUSEENTER);
    EXPECT_EQ(Painted(0, 10), 0x00FFFFu);
    Send(0, UIEVENT_MOUSELEAVE);
    owner.style.dwLineColor = 0xFF123456;
    EXPECT_EQ(Painted(0, 19), 0x123456u);
    EXPECT_EQ(Painted(0, 18), 0xFF0000u);
}
