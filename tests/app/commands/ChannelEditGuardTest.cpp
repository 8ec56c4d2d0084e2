#include <gtest/gtest.h>

#include "app/ChannelEditGuard.h"

TEST(ChannelEditGuardTest, OneMarkAtATimeLeavingOutTheCausingEdit)
{
    CChannelEditGuard guard;
    EXPECT_EQ(guard.PendingChannel(-1), -1);
    EXPECT_TRUE(guard.OnKillFocus(9));
    EXPECT_FALSE(guard.OnKillFocus(2));
    EXPECT_FALSE(guard.OnKillFocus(9));
    EXPECT_EQ(guard.PendingChannel(0), 9);
    EXPECT_EQ(guard.PendingChannel(9), -1);

    guard.Clear(9);
    EXPECT_EQ(guard.PendingChannel(-1), -1);
    EXPECT_TRUE(guard.OnKillFocus(2));
    EXPECT_EQ(guard.PendingChannel(-1), 2);
}

TEST(ChannelEditGuardTest, NumbersOutsideTheTenChannelsChangeNothing)
{
    CChannelEditGuard guard;
    guard.OnKillFocus(10);
    EXPECT_TRUE(guard.OnKillFocus(5));
    guard.Clear(10);
    guard.Clear(-1);
    EXPECT_EQ(guard.PendingChannel(-1), 5);
}
