#include <gtest/gtest.h>

#include "app/ChannelEditGuard.h"

// One mark at a time, left out for the edit that caused it; numbers outside the ten channels change nothing.
TEST(ChannelEditGuardTest, OneMarkAtATimeLeavingOutTheCausingEdit)
{
    CChannelEditGuard guard;
    EXPECT_TRUE(guard.OnKillFocus(9));
    EXPECT_FALSE(guard.OnKillFocus(2));
    for (int outside : {10, -1}) guard.Clear(outside);
    EXPECT_EQ(guard.PendingChannel(0), 9);
    EXPECT_EQ(guard.PendingChannel(9), -1);
    guard.Clear(9);
    guard.OnKillFocus(10);
    EXPECT_TRUE(guard.OnKillFocus(2));
    EXPECT_EQ(guard.PendingChannel(-1), 2);
}
