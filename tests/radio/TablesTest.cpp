#include <gtest/gtest.h>

#include <climits>

#include "radio/PortItem.h"
#include "radio/RadioTables.h"

TEST(ReplyMatching, KeywordsAreTriedInTableOrder)
{
    EXPECT_EQ(MatchProtocol("protocol TT450S"), 8);
    EXPECT_EQ(MatchProtocol("protocol HI-TARGET"), 5);
    EXPECT_EQ(MatchProtocol("protocol UNKNOW"), -1);
    EXPECT_EQ(MatchSerialBaud("serial baud 115200"), 4);
    EXPECT_EQ(MatchSerialBaud("serial baud 1200"), -1);
    EXPECT_EQ(CollectLinkRates("link 9600/4800"), " 4800 9600");
    EXPECT_FALSE(IsValidFrequency(FrequencyValue("inf")));
}

TEST(ReplyMatching, CurrentChannelUsesTrailingDigitsWithoutOverflow)
{
    EXPECT_EQ(CurrentChannelIndexFromReply("\r\ncurrent channel 10"), 9);
    EXPECT_EQ(CurrentChannelIndexFromReply("99999999999999999999"), INT_MAX - 1);
    EXPECT_EQ(CurrentChannelIndexFromReply(""), -1);
}

TEST(Codes, LeadingIntegerClampsInsteadOfOverflowing)
{
    EXPECT_EQ(LeadingInteger("  12abc"), 12);
    EXPECT_EQ(LeadingInteger("x"), 0);
    EXPECT_EQ(LeadingInteger("99999999999999999999"), INT_MAX);
    EXPECT_EQ(LeadingInteger("-99999999999999999999"), INT_MIN);
}

// The window, radiocfg and the link read the port from the item the list shows.
TEST(PortItems, ItemNamesItsPortAndAnItemWithoutANumberNamesNone)
{
    EXPECT_EQ(PortItem(7), " COM7");
    EXPECT_EQ(PortItemNumber(PortItem(255)), 255);
    for (const char* item : {"", " COM", "COM7", " COMx"}) EXPECT_EQ(PortItemNumber(item), 0) << item;
}
