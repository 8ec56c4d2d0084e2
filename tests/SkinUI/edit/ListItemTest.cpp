#include <gtest/gtest.h>
#include <windows.h>
#include <cstring>
#include <vector>
#include "EditTestHost.h"
#include "PixelCanvas.h"
#include "SkinUI/Control/ListLabelElementUI.h"
#include "SkinUI/Core/ContainerUI.h"

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

TEventMsg MakeEvent(int type, POINT pt = {5, 5}, char key = 0)
{
    TEventMsg event;
    event.Type = type;
    event.ptMouse = pt;
    event.chKey = key;
    return event;
}

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
            items[i].SetText("row");
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

    CEditTestHost& host = CEditTestHost::Shared();
    CNotifyLog log;
    CFakeOwner owner;
    CListLabelElementUI items[3];
};

} // namespace

TEST(ListElement, WithoutOwnerEstimatesNothingAndSelectsAlone)
{
    CListLabelElementUI item;
    item.SetText("text");
    item.SetFixedHeight(30);
    EXPECT_EQ(item.EstimateSize(SIZE{100, 100}).cx, 0);
    EXPECT_EQ(item.EstimateSize(SIZE{100, 100}).cy, 0);
    EXPECT_TRUE(item.Select(true));
    EXPECT_TRUE(item.IsSelected());
}

TEST(ListElement, SetOwnerTakesTheListOwnerInterfaceOnly)
{
    CFakeOwner owner;
    CContainerUI plain;
    CListLabelElementUI item;
    item.SetOwner(&owner);
    EXPECT_EQ(item.GetOwner(), static_cast<IListOwnerUI*>(&owner));
    item.SetOwner(&plain);
    EXPECT_EQ(item.GetOwner(), nullptr);
    item.SetOwner(nullptr);
    EXPECT_EQ(item.GetOwner(), nullptr);
}

TEST_F(ListItemTest, SelectingTellsTheOwnerAndDisabledItemsCannotChange)
{
    EXPECT_TRUE(items[2].Select(true));
    EXPECT_EQ(owner.selectCalls, std::vector<int>{2});
    EXPECT_TRUE(items[2].Select(true));  // unchanged: the owner is not asked again
    EXPECT_EQ(owner.selectCalls.size(), 1u);
    EXPECT_TRUE(items[2].Select(false));
    EXPECT_EQ(owner.selectCalls.size(), 1u);

    items[1].SetEnabled(false);
    EXPECT_FALSE(items[1].Select(true));
    EXPECT_FALSE(items[1].IsSelected());
}

TEST_F(ListItemTest, ButtonDownSendsItemClickThenSelects)
{
    TEventMsg down = MakeEvent(UIEVENT_BUTTONDOWN);
    items[1].Event(down);
    ASSERT_EQ(log.Count("itemclick"), 1);
    EXPECT_EQ(log.Last("itemclick")->sender, &items[1]);
    EXPECT_TRUE(items[1].IsSelected());
    EXPECT_EQ(owner.selectCalls, std::vector<int>{1});

    TEventMsg right = MakeEvent(UIEVENT_RBUTTONDOWN);
    items[0].Event(right);
    EXPECT_EQ(log.Count("itemclick"), 2);
    EXPECT_TRUE(items[0].IsSelected());
}

TEST_F(ListItemTest, DisabledRowIgnoresPresses)
{
    items[2].SetEnabled(false);
    TEventMsg down = MakeEvent(UIEVENT_BUTTONDOWN);
    items[2].Event(down);
    TEventMsg dbl = MakeEvent(UIEVENT_DBLCLICK);
    items[2].Event(dbl);
    EXPECT_EQ(log.Count("itemclick"), 0);
    EXPECT_EQ(log.Count("itemactivate"), 0);
    EXPECT_FALSE(items[2].IsSelected());
    EXPECT_TRUE(owner.selectCalls.empty());
}

TEST_F(ListItemTest, DoubleClickAndReturnActivate)
{
    TEventMsg dbl = MakeEvent(UIEVENT_DBLCLICK);
    items[0].Event(dbl);
    EXPECT_EQ(log.Count("itemactivate"), 1);
    TEventMsg ret = MakeEvent(UIEVENT_KEYDOWN, POINT{0, 0}, VK_RETURN);
    items[0].Event(ret);
    EXPECT_EQ(log.Count("itemactivate"), 2);
    EXPECT_EQ(log.Last("itemactivate")->sender, &items[0]);
    EXPECT_EQ(log.Last("itemactivate")->wParam, 0u);
    // Other keys and the wheel move the owner's selection.
    TEventMsg down = MakeEvent(UIEVENT_KEYDOWN, POINT{0, 0}, VK_DOWN);
    items[0].Event(down);
    TEventMsg wheel = MakeEvent(UIEVENT_SCROLLWHEEL);
    items[0].Event(wheel);
    EXPECT_EQ(owner.events, (std::vector<int>{UIEVENT_KEYDOWN, UIEVENT_SCROLLWHEEL}));
    EXPECT_EQ(log.Count("itemactivate"), 2);
}

TEST_F(ListItemTest, MouseEventsOfAMouseDisabledItemGoToTheOwner)
{
    items[0].SetMouseEnabled(false);
    TEventMsg down = MakeEvent(UIEVENT_BUTTONDOWN);
    items[0].Event(down);
    EXPECT_EQ(log.Count("itemclick"), 0);
    EXPECT_EQ(owner.events, std::vector<int>{UIEVENT_BUTTONDOWN});
}

TEST_F(ListItemTest, HidingTheSelectedItemClearsTheOwnersSelection)
{
    items[1].Select(true);
    items[1].SetVisible(false);
    EXPECT_FALSE(items[1].IsSelected());
    EXPECT_EQ(owner.selectCalls, (std::vector<int>{1, -1}));
    items[0].SetVisible(false);  // not selected: the owner is left alone
    EXPECT_EQ(owner.selectCalls.size(), 2u);
}

TEST_F(ListItemTest, EstimateUsesTheOwnersFontAndPadding)
{
    owner.style.rcTextPadding = RECT{3, 2, 5, 4};
    const int cyFont = host.pm.GetDefaultFontInfo()->tm.tmHeight;
    ASSERT_GT(cyFont, 0);
    items[0].SetFixedHeight(0);
    const SIZE sz = items[0].EstimateSize(SIZE{200, 200});
    EXPECT_EQ(sz.cy, cyFont + 8 + 2 + 4);
    items[0].SetText("row row row row");
    const SIZE wide = items[0].EstimateSize(SIZE{200, 200});
    EXPECT_GT(wide.cx, sz.cx);
    EXPECT_GT(sz.cx, 3 + 5);
    items[0].SetFixedWidth(77);
    items[0].SetFixedHeight(21);
    EXPECT_EQ(items[0].EstimateSize(SIZE{200, 200}).cx, 77);
    EXPECT_EQ(items[0].EstimateSize(SIZE{200, 200}).cy, 21);
}

TEST_F(ListItemTest, InvalidationIsClippedToTheOwnersClientArea)
{
    owner.SetInset(RECT{0, 0, 0, 10});
    owner.SetPos(RECT{0, 0, 200, 50});
    items[2].SetPos(RECT{0, 30, 200, 70});
    ::ValidateRect(host.hWnd, nullptr);
    items[2].Invalidate();
    RECT rcUpdate = {0, 0, 0, 0};
    ASSERT_TRUE(::GetUpdateRect(host.hWnd, &rcUpdate, FALSE));
    EXPECT_EQ(rcUpdate.top, 30);
    EXPECT_EQ(rcUpdate.bottom, 40);

    items[2].SetPos(RECT{0, 45, 200, 70});  // entirely below the client area
    ::ValidateRect(host.hWnd, nullptr);
    items[2].Invalidate();
    EXPECT_FALSE(::GetUpdateRect(host.hWnd, &rcUpdate, FALSE));
}


TEST_F(ListItemTest, BackgroundFollowsStateAlternationAndLineColour)
{
    owner.style.dwBkColor = 0xFFFF0000;
    owner.style.dwSelectedBkColor = 0xFF00FF00;
    owner.style.dwDisabledBkColor = 0xFF0000FF;
    owner.style.bAlternateBk = true;
    CPixelCanvas canvas;
    const RECT all = {0, 0, 200, 100};
    for (int i = 0; i < 3; ++i) items[i].SetText("");

    canvas.Clear();
    items[0].DoPaint(canvas.dc(), all);
    items[1].DoPaint(canvas.dc(), all);
    EXPECT_EQ(canvas.At(100, 10), 0xFF0000u);
    EXPECT_EQ(canvas.At(100, 30), 0u);  // odd row: no background colour

    items[1].Select(true);
    items[2].SetEnabled(false);
    canvas.Clear();
    items[1].DoPaint(canvas.dc(), all);
    items[2].DoPaint(canvas.dc(), all);
    EXPECT_EQ(canvas.At(100, 30), 0x00FF00u);  // selected wins over the alternation
    EXPECT_EQ(canvas.At(100, 50), 0x0000FFu);  // disabled wins over everything

    owner.style.dwLineColor = 0xFF123456;
    canvas.Clear();
    items[0].DoPaint(canvas.dc(), all);
    EXPECT_EQ(canvas.At(100, 19), 0x123456u);
    EXPECT_EQ(canvas.At(100, 18), 0xFF0000u);
}

TEST_F(ListItemTest, HotStateComesAndGoesWithTheMouse)
{
    owner.style.dwBkColor = 0;
    owner.style.dwHotBkColor = 0xFF00FFFF;
    items[0].SetText("");
    CPixelCanvas canvas;
    const RECT all = {0, 0, 200, 100};
    TEventMsg enter = MakeEvent(UIEVENT_MOUSEENTER);
    items[0].Event(enter);
    canvas.Clear();
    items[0].DoPaint(canvas.dc(), all);
    EXPECT_EQ(canvas.At(100, 10), 0x00FFFFu);
    TEventMsg leave = MakeEvent(UIEVENT_MOUSELEAVE);
    items[0].Event(leave);
    canvas.Clear();
    items[0].DoPaint(canvas.dc(), all);
    EXPECT_EQ(canvas.At(100, 10), 0u);
}
