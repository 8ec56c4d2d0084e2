#include <gtest/gtest.h>
#include "ProbeControl.h"
#include "SkinUI/Control/ScrollBarUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"

using namespace SkinUI;

// A standalone vertical bar 200 high at range 100.
TEST(StandaloneBar, ButtonsScrollAtThePressAndRepeatFromTheSixthTickTrackPages)
{
    CScrollBarUI bar;
    bar.SetPos({0, 0, 16, 200});
    bar.SetScrollPos(50);
    Send(bar, UIEVENT_BUTTONDOWN, 8, 5);
    EXPECT_EQ(bar.GetScrollPos(), 42);
    for (int tick = 1; tick <= 7; ++tick) {
        Send(bar, UIEVENT_TIMER, 0, 0, CScrollBarUI::kTimerId);
        EXPECT_EQ(bar.GetScrollPos(), tick < 6 ? 42 : 42 - 8 * (tick - 5)) << tick;
    }
    Send(bar, UIEVENT_BUTTONUP, 8, 5);
    bar.SetScrollRange(1000);
    bar.SetScrollPos(500);
    // The first pixel after the thumb and the last one before it belong to the track.
    Send(bar, UIEVENT_BUTTONDOWN, 8, bar.GetThumbRect().bottom);
    EXPECT_EQ(bar.GetScrollPos(), 700);
    Send(bar, UIEVENT_BUTTONUP, 8, 0);
    Send(bar, UIEVENT_BUTTONDOWN, 8, bar.GetThumbRect().top - 1);
    EXPECT_EQ(bar.GetScrollPos(), 500);
    Send(bar, UIEVENT_BUTTONUP, 8, 0);
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

} // namespace

TEST(OwnedBar, EmptyRangeStillLetsTheButtonsAskTheOwner)
{
    CStepCountingLayout layout;
    layout.EnableScrollBar(true, false);
    for (int i = 0; i < 5; ++i) layout.Add(new CProbeControl(nullptr, 40));
    layout.SetPos({0, 0, 100, 100});
    CScrollBarUI* bar = layout.GetVerticalScrollBar();
    bar->SetScrollRange(0);
    for (int y : {95, 5}) {
        Send(*bar, UIEVENT_BUTTONDOWN, 90, y);
        Send(*bar, UIEVENT_BUTTONUP, 90, y);
    }
    EXPECT_EQ(layout.linesDown, 1);
    EXPECT_EQ(layout.linesUp, 1);
    // The owner's steps are clamped to the empty range.
    EXPECT_EQ(layout.GetScrollPos().cy, 0);
}
