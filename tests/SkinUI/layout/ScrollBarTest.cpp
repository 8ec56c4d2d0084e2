#include <gtest/gtest.h>
#include <vector>
#include "ProbeControl.h"
#include "SkinUI/Control/ScrollBarUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"

using namespace SkinUI;

namespace {

// A standalone vertical bar 200 high: thumb 112 long, free length 56 at range 100.
class StandaloneBar : public ::testing::Test {
protected:
    void SetUp() override { bar.SetPos({0, 0, 16, 200}); }
    void Send(int type, int y, WPARAM wParam = 0) { ::Send(bar, type, 8, y, wParam); }
    void Tick(int times = 1)
    {
        for (int i = 0; i < times; ++i) Send(UIEVENT_TIMER, 0, CScrollBarUI::kTimerId);
    }

    CScrollBarUI bar;
};

} // namespace

TEST_F(StandaloneBar, RangeAndPositionAreClampedAndADisabledBarIgnoresPresses)
{
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
    // Disabled, it clears its states and ignores presses.
    Send(UIEVENT_MOUSEENTER, 50);
    EXPECT_NE(bar.GetThumbState() & UISTATE_HOT, 0u);
    bar.SetEnabled(false);
    EXPECT_EQ(bar.GetThumbState(), 0u);
    EXPECT_EQ(bar.GetButton1State(), 0u);
    bar.SetScrollRange(100);
    bar.SetScrollPos(50);
    Send(UIEVENT_BUTTONDOWN, 5);
    EXPECT_EQ(bar.GetScrollPos(), 50);
}

TEST_F(StandaloneBar, ButtonsScrollAtThePressAndRepeatFromTheSixthTickTrackPages)
{
    bar.SetScrollPos(50);
    Send(UIEVENT_BUTTONDOWN, 5);
    EXPECT_EQ(bar.GetScrollPos(), 42);
    EXPECT_NE(bar.GetButton1State() & UISTATE_PUSHED, 0u);
    Tick(5);
    EXPECT_EQ(bar.GetScrollPos(), 42);
    Tick(2);
    EXPECT_EQ(bar.GetScrollPos(), 26);
    Send(UIEVENT_BUTTONUP, 5);
    EXPECT_EQ(bar.GetButton1State() & UISTATE_PUSHED, 0u);
    Tick();
    EXPECT_EQ(bar.GetScrollPos(), 26);
    Send(UIEVENT_BUTTONDOWN, 195);
    EXPECT_EQ(bar.GetScrollPos(), 34);
    Send(UIEVENT_BUTTONUP, 195);

    bar.SetScrollRange(1000);
    bar.SetScrollPos(500);
    // The first pixel after the thumb and the last one before it belong to the track.
    Send(UIEVENT_BUTTONDOWN, bar.GetThumbRect().bottom);
    EXPECT_EQ(bar.GetScrollPos(), 700);
    Send(UIEVENT_BUTTONUP, 0);
    Send(UIEVENT_BUTTONDOWN, bar.GetThumbRect().top - 1);
    EXPECT_EQ(bar.GetScrollPos(), 500);
    Send(UIEVENT_BUTTONUP, 0);
}

TEST_F(StandaloneBar, ThumbDragMovesOnlyOnTimerTicks)
{
    Send(UIEVENT_BUTTONDOWN, 50);
    Send(UIEVENT_MOUSEMOVE, 78);
    EXPECT_EQ(bar.GetScrollPos(), 0);
    Tick();
    EXPECT_EQ(bar.GetScrollPos(), 50);
    EXPECT_EQ(bar.GetThumbRect().top, 16 + 28);
    Send(UIEVENT_MOUSEMOVE, 50 + 200);
    Tick();
    EXPECT_EQ(bar.GetScrollPos(), 100);
    Send(UIEVENT_MOUSEMOVE, 36); // drag back by 14 px from the start: -25
    Tick();
    EXPECT_EQ(bar.GetScrollPos(), 0);
    Send(UIEVENT_MOUSEMOVE, 64);
    Send(UIEVENT_BUTTONUP, 64);
    EXPECT_EQ(bar.GetThumbState() & (UISTATE_CAPTURED | UISTATE_PUSHED), 0u);
    Tick();
    EXPECT_EQ(bar.GetScrollPos(), 0);
}

TEST_F(StandaloneBar, HiddenButtonsGiveTheTrackToTheThumbButNotToTheDragRatio)
{
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

namespace {

// Counts the line steps its bar asks for.
class CStepCountingLayout : public CVerticalLayoutUI {
public:
    void LineUp() override
    {
        ++linesUp;
        CVerticalLayoutUI::LineUp();
    }
    void LineDown() override
    {
        ++linesDown;
        CVerticalLayoutUI::LineDown();
    }
    int linesUp = 0;
    int linesDown = 0;
};

// The bar of a 100 x 100 layout with five 40 px rows: range 100, thumb 34 long.
class OwnedBar : public ::testing::Test {
protected:
    void SetUp() override
    {
        layout.EnableScrollBar(true, false);
        for (int i = 0; i < 5; ++i) {
            rows.push_back(new CProbeControl(nullptr, 40));
            layout.Add(rows.back());
        }
        layout.SetPos({0, 0, 100, 100});
        bar = layout.GetVerticalScrollBar();
    }
    void Send(int type, int y, WPARAM wParam = 0) { ::Send(*bar, type, 90, y, wParam); }

    CStepCountingLayout layout;
    std::vector<CProbeControl*> rows;
    CScrollBarUI* bar = nullptr;
};

} // namespace

TEST_F(OwnedBar, ButtonsTrackThumbAndWheelDriveTheOwnersScrolling)
{
    Send(UIEVENT_BUTTONDOWN, 95);
    EXPECT_EQ(rows[0]->GetPos().top, -8);
    Send(UIEVENT_BUTTONUP, 95);
    Send(UIEVENT_BUTTONDOWN, bar->GetThumbRect().bottom + 1);
    EXPECT_EQ(layout.GetScrollPos().cy, 100);
    Send(UIEVENT_BUTTONUP, 0);
    Send(UIEVENT_SCROLLWHEEL, 50, 0);
    EXPECT_EQ(layout.GetScrollPos().cy, 92);
    layout.SetScrollPos({0, 0});
    const RECT thumb = bar->GetThumbRect();
    Send(UIEVENT_BUTTONDOWN, thumb.top + 1);
    Send(UIEVENT_MOUSEMOVE, thumb.top + 1 + 17);
    Send(UIEVENT_TIMER, 0, CScrollBarUI::kTimerId);
    EXPECT_EQ(layout.GetScrollPos().cy, 50);
    EXPECT_EQ(rows[1]->GetPos().top, -10);
    Send(UIEVENT_BUTTONUP, 0);
}

TEST_F(OwnedBar, EmptyRangeStillLetsTheButtonsAskTheOwner)
{
    bar->SetScrollRange(0);
    EXPECT_EQ(bar->GetThumbRect(), (RECT{84, 16, 100, 84}));
    Send(UIEVENT_BUTTONDOWN, 95);
    Send(UIEVENT_BUTTONUP, 95);
    Send(UIEVENT_BUTTONDOWN, 5);
    Send(UIEVENT_BUTTONUP, 5);
    EXPECT_EQ(layout.linesDown, 1);
    EXPECT_EQ(layout.linesUp, 1);
    // The owner's steps are clamped to the empty range.
    EXPECT_EQ(layout.GetScrollPos().cy, 0);
}
