#include <gtest/gtest.h>
#include <vector>
#include "ProbeControl.h"
#include "RectMatch.h"
#include "SkinUI/Control/ScrollBarUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"

using namespace SkinUI;

namespace {

// A standalone vertical bar 200 high: thumb 112 long, free length 56 at range 100.
class StandaloneBar : public ::testing::Test {
protected:
    void SetUp() override { bar.SetPos({0, 0, 16, 200}); }

    void Send(int type, int y, WPARAM wParam = 0) {
        TEventMsg event = MakeEvent(type, 8, y, wParam);
        bar.DoEvent(event);
    }
    void Tick(int times = 1) {
        for (int i = 0; i < times; ++i)
            Send(UIEVENT_TIMER, 0, CScrollBarUI::kTimerId);
    }

    CScrollBarUI bar;
};

}  // namespace

TEST_F(StandaloneBar, RangeAndPositionAreClamped) {
    EXPECT_EQ(bar.GetScrollRange(), 100);
    bar.SetScrollPos(150);
    EXPECT_EQ(bar.GetScrollPos(), 100);
    bar.SetScrollPos(-5);
    EXPECT_EQ(bar.GetScrollPos(), 0);
    bar.SetScrollPos(80);
    bar.SetScrollRange(50);
    EXPECT_EQ(bar.GetScrollPos(), 50);
    bar.SetScrollRange(-10);
    EXPECT_EQ(bar.GetScrollRange(), 0);
    EXPECT_EQ(bar.GetScrollPos(), 0);
    EXPECT_EQ(bar.GetThumbRect(), (RECT{0, 16, 16, 184}));
}

TEST_F(StandaloneBar, ButtonScrollsAtThePressAndRepeatsFromTheSixthTick) {
    bar.SetScrollPos(50);
    Send(UIEVENT_BUTTONDOWN, 5);
    EXPECT_EQ(bar.GetScrollPos(), 42);
    EXPECT_NE(bar.GetButton1State() & UISTATE_PUSHED, 0u);
    Tick(5);
    EXPECT_EQ(bar.GetScrollPos(), 42);
    Tick();
    EXPECT_EQ(bar.GetScrollPos(), 34);
    Tick();
    EXPECT_EQ(bar.GetScrollPos(), 26);
    Send(UIEVENT_BUTTONUP, 5);
    EXPECT_EQ(bar.GetButton1State() & UISTATE_PUSHED, 0u);

    Send(UIEVENT_BUTTONDOWN, 195);
    EXPECT_EQ(bar.GetScrollPos(), 34);
    Tick(6);
    EXPECT_EQ(bar.GetScrollPos(), 42);
    Send(UIEVENT_BUTTONUP, 195);
    EXPECT_EQ(bar.GetButton2State() & UISTATE_PUSHED, 0u);
}

TEST_F(StandaloneBar, ThumbDragMovesOnlyOnTimerTicks) {
    Send(UIEVENT_BUTTONDOWN, 50);
    EXPECT_NE(bar.GetThumbState() & UISTATE_CAPTURED, 0u);
    Send(UIEVENT_MOUSEMOVE, 78);
    EXPECT_EQ(bar.GetScrollPos(), 0);
    Tick();
    EXPECT_EQ(bar.GetScrollPos(), 50);
    EXPECT_EQ(bar.GetThumbRect().top, 16 + 28);
    Send(UIEVENT_MOUSEMOVE, 50 + 200);
    Tick();
    EXPECT_EQ(bar.GetScrollPos(), 100);
    Send(UIEVENT_MOUSEMOVE, 36);  // drag back by 14 px from the start: -25
    Tick();
    EXPECT_EQ(bar.GetScrollPos(), 0);
    Send(UIEVENT_MOUSEMOVE, 64);
    Send(UIEVENT_BUTTONUP, 64);
    EXPECT_EQ(bar.GetThumbState() & (UISTATE_CAPTURED | UISTATE_PUSHED), 0u);
    Tick();
    EXPECT_EQ(bar.GetScrollPos(), 0);
}

TEST_F(StandaloneBar, TrackClicksPageByTheBarLength) {
    bar.SetScrollRange(1000);
    bar.SetScrollPos(500);
    const RECT thumb = bar.GetThumbRect();
    Send(UIEVENT_BUTTONDOWN, thumb.bottom + 5);
    EXPECT_EQ(bar.GetScrollPos(), 700);
    Send(UIEVENT_BUTTONUP, thumb.bottom + 5);
    Send(UIEVENT_BUTTONDOWN, bar.GetThumbRect().top - 2);
    EXPECT_EQ(bar.GetScrollPos(), 500);
    Send(UIEVENT_BUTTONUP, 0);
}

TEST_F(StandaloneBar, DisabledBarIgnoresPressesAndClearsItsStates) {
    Send(UIEVENT_MOUSEENTER, 50);
    EXPECT_NE(bar.GetThumbState() & UISTATE_HOT, 0u);
    EXPECT_NE(bar.GetButton1State() & UISTATE_HOT, 0u);
    Send(UIEVENT_MOUSEMOVE, 150);
    EXPECT_EQ(bar.GetThumbState() & UISTATE_HOT, 0u);
    Send(UIEVENT_MOUSELEAVE, 150);
    EXPECT_EQ(bar.GetButton2State() & UISTATE_HOT, 0u);
    Send(UIEVENT_MOUSEENTER, 50);
    bar.SetEnabled(false);
    EXPECT_EQ(bar.GetThumbState(), 0u);
    EXPECT_EQ(bar.GetButton1State(), 0u);
    bar.SetScrollPos(50);
    Send(UIEVENT_BUTTONDOWN, 5);
    EXPECT_EQ(bar.GetScrollPos(), 50);
}

TEST_F(StandaloneBar, HiddenButtonsGiveTheTrackToTheThumbButNotToTheDragRatio) {
    bar.SetAttribute("showbutton1", "false");
    bar.SetAttribute("showbutton2", "false");
    bar.SetScrollRange(0);
    EXPECT_EQ(bar.GetThumbRect(), (RECT{0, 0, 16, 200}));
    // Thumb 200 * 200 / 210 = 190 long: less free length than two buttons.
    bar.SetScrollRange(10);
    bar.SetScrollPos(5);
    EXPECT_EQ(bar.GetThumbRect(), (RECT{0, 5, 16, 195}));
    Send(UIEVENT_BUTTONDOWN, 100);
    Send(UIEVENT_MOUSEMOVE, 144);
    Tick();
    EXPECT_EQ(bar.GetScrollPos(), 5);
    Send(UIEVENT_BUTTONUP, 144);
}


TEST(ScrollBar, HorizontalStandaloneBarScrollsAlongX) {
    CScrollBarUI bar;
    bar.SetHorizontal(true);
    bar.SetPos({0, 0, 200, 16});
    TEventMsg down = MakeEvent(UIEVENT_BUTTONDOWN, 195, 8);
    bar.DoEvent(down);
    EXPECT_EQ(bar.GetScrollPos(), 8);
    TEventMsg up = MakeEvent(UIEVENT_BUTTONUP, 195, 8);
    bar.DoEvent(up);
    TEventMsg grab = MakeEvent(UIEVENT_BUTTONDOWN, bar.GetThumbRect().left + 2, 8);
    bar.DoEvent(grab);
    TEventMsg move = MakeEvent(UIEVENT_MOUSEMOVE, grab.ptMouse.x + 28, 200);
    bar.DoEvent(move);
    TEventMsg tick = MakeEvent(UIEVENT_TIMER, 0, 0, CScrollBarUI::kTimerId);
    bar.DoEvent(tick);
    EXPECT_EQ(bar.GetScrollPos(), 58);
}

namespace {

class OwnedBar : public ::testing::Test {
protected:
    void SetUp() override {
        layout.EnableScrollBar(true, false);
        for (int i = 0; i < 5; ++i) {
            rows.push_back(new CProbeControl(nullptr, 40));
            layout.Add(rows.back());
        }
        layout.SetPos({0, 0, 100, 100});
        bar = layout.GetVerticalScrollBar();
    }

    void Send(int type, int y, WPARAM wParam = 0) {
        TEventMsg event = MakeEvent(type, 90, y, wParam);
        bar->DoEvent(event);
    }

    CVerticalLayoutUI layout;
    std::vector<CProbeControl*> rows;
    CScrollBarUI* bar = nullptr;
};

}  // namespace

TEST_F(OwnedBar, ButtonsAndTrackDriveTheOwnersScrolling) {
    ASSERT_TRUE(bar->IsVisible());
    Send(UIEVENT_BUTTONDOWN, 95);
    EXPECT_EQ(layout.GetScrollPos().cy, 8);
    EXPECT_EQ(rows[0]->GetPos().top, -8);
    for (int i = 0; i < 6; ++i)
        Send(UIEVENT_TIMER, 95, CScrollBarUI::kTimerId);
    EXPECT_EQ(layout.GetScrollPos().cy, 16);
    Send(UIEVENT_BUTTONUP, 95);
    Send(UIEVENT_BUTTONDOWN, bar->GetThumbRect().bottom + 1);
    EXPECT_EQ(layout.GetScrollPos().cy, 100);
    Send(UIEVENT_BUTTONUP, 0);
    Send(UIEVENT_BUTTONDOWN, 5);
    EXPECT_EQ(layout.GetScrollPos().cy, 92);
    Send(UIEVENT_BUTTONUP, 5);
}

TEST_F(OwnedBar, ThumbDragGoesThroughTheOwner) {
    // Thumb length 100 * 68 / 200 = 34; free length 100 - 34 - 32 = 34.
    const RECT thumb = bar->GetThumbRect();
    EXPECT_EQ(thumb.bottom - thumb.top, 34);
    Send(UIEVENT_BUTTONDOWN, thumb.top + 1);
    Send(UIEVENT_MOUSEMOVE, thumb.top + 1 + 17);
    Send(UIEVENT_TIMER, 0, CScrollBarUI::kTimerId);
    EXPECT_EQ(layout.GetScrollPos().cy, 50);
    EXPECT_EQ(rows[1]->GetPos().top, -10);
    Send(UIEVENT_BUTTONUP, 0);
}

TEST_F(OwnedBar, WheelOverTheBarScrollsTheOwner) {
    Send(UIEVENT_SCROLLWHEEL, 50, 1);
    EXPECT_EQ(layout.GetScrollPos().cy, 8);
}

TEST_F(OwnedBar, EmptyRangeStillLetsTheButtonsAskTheOwner) {
    bar->SetScrollRange(0);
    EXPECT_EQ(bar->GetThumbRect(), (RECT{84, 16, 100, 84}));
    Send(UIEVENT_BUTTONDOWN, 95);
    EXPECT_EQ(layout.GetScrollPos().cy, 0);
    Send(UIEVENT_BUTTONUP, 95);
}
