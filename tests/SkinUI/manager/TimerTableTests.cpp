#include <gtest/gtest.h>
#include "SkinUI/Core/TimerTable.h"

using namespace SkinUI;

namespace {

HWND Window(int n)
{
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(n));
}

CControlUI* const kControl = reinterpret_cast<CControlUI*>(0x10);

} // namespace

TEST(TimerTable, IdsStartAtSeventeenAndWrapPastZeroAndIdsHeldByTheWindow)
{
    CTimerTable table;
    table.Add(kControl, 1, Window(1), 1);
    table.Add(kControl, 2, Window(1), 2);
    EXPECT_EQ(table.NextWinTimerId(Window(1)), 17u);
    EXPECT_EQ(table.NextWinTimerId(Window(2)), 18u);
    UINT id = 0;
    for (int i = 0; i < 254 - 19 + 1; ++i) id = table.NextWinTimerId(Window(1));
    EXPECT_EQ(id, 254u);
    // 0 is no timer id; 1 and 2 belong to records of this window (a killed one may be restarted).
    EXPECT_EQ(table.NextWinTimerId(Window(1)), 3u);
    // Another window may reuse them.
    for (int i = 0; i < 251; ++i) table.NextWinTimerId(Window(1));
    EXPECT_EQ(table.NextWinTimerId(Window(2)), 1u);
}

TEST(TimerTable, NoIdWhenEveryIdIsTaken)
{
    CTimerTable table;
    for (UINT i = 1; i < 255; ++i) table.Add(kControl, i, Window(1), i);
    EXPECT_EQ(table.NextWinTimerId(Window(1)), 0u);
    table.RemoveAt(99);
    EXPECT_EQ(table.NextWinTimerId(Window(1)), 100u);
}

TEST(TimerTable, FindMatchesControlWindowAndLocalIdLiveOnlyByWindowTimer)
{
    CTimerTable table;
    auto* second = reinterpret_cast<CControlUI*>(0x20);
    TTimerInfo* a = table.Add(kControl, 5, Window(1), 17);
    TTimerInfo* b = table.Add(second, 5, Window(1), 18);
    EXPECT_EQ(table.Find(kControl, Window(1), 5), a);
    EXPECT_EQ(table.Find(kControl, Window(2), 5), nullptr);
    EXPECT_EQ(table.Find(kControl, Window(1), 6), nullptr);
    EXPECT_EQ(table.FindLive(Window(1), 18), b);
    b->bKilled = true;
    EXPECT_EQ(table.FindLive(Window(1), 18), nullptr);
    EXPECT_EQ(table.Find(second, Window(1), 5), b);
}
