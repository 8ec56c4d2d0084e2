#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "radio/RadioTables.h"

TEST(FrequencyText, IsReadAsAtofReadsIt)
{
    EXPECT_DOUBLE_EQ(FrequencyValue("  410.5  "), 410.5);
    EXPECT_DOUBLE_EQ(FrequencyValue("415MHz"), 415.0);
    EXPECT_DOUBLE_EQ(FrequencyValue("abc"), 0.0);
    EXPECT_DOUBLE_EQ(FrequencyValue(""), 0.0);
}

TEST(FrequencyText, RangeIsInclusiveAndRejectsNotANumber)
{
    EXPECT_TRUE(IsValidFrequency(410.0));
    EXPECT_TRUE(IsValidFrequency(470.0));
    EXPECT_FALSE(IsValidFrequency(409.99999));
    EXPECT_FALSE(IsValidFrequency(470.00001));
    EXPECT_FALSE(IsValidFrequency(std::nan("")));
    EXPECT_FALSE(IsValidFrequency(FrequencyValue("nan")));
    EXPECT_FALSE(IsValidFrequency(FrequencyValue("inf")));
}

TEST(FrequencyText, FormatsRoundToFiveDecimals)
{
    EXPECT_EQ(FormatFrequency(470), "470.00000");
    EXPECT_EQ(FormatFrequency(450.123456), "450.12346");
    EXPECT_EQ(FormatDefaultFrequency(410.125), "410.12500");
}

TEST(ReplyMatching, ProtocolKeywordsAreTriedInTableOrderWithOlderSpellingsFirst)
{
    EXPECT_EQ(MatchProtocol("protocol TRIMTALK"), 0);
    EXPECT_EQ(MatchProtocol("protocol TRIMA TRANSEOT"), 3);
    EXPECT_EQ(MatchProtocol("protocol SOTH"), 4);
    EXPECT_EQ(MatchProtocol("protocol TT450S"), 8);
    EXPECT_EQ(MatchProtocol("protocol HI-TARGET"), 5);
    EXPECT_EQ(MatchProtocol("protocol UNKNOW"), -1);
    EXPECT_EQ(MatchProtocol(""), -1);
}

TEST(ReplyMatching, SerialBaudPrefersTheLongerRate)
{
    EXPECT_EQ(MatchSerialBaud("serial baud 115200"), 4);
    EXPECT_EQ(MatchSerialBaud("serial baud 19200"), 1);
    EXPECT_EQ(MatchSerialBaud("serial baud 9600"), 0);
    EXPECT_EQ(MatchSerialBaud("serial baud 1200"), -1);
}

TEST(ReplyMatching, LinkRatesAreCollectedInTableOrder)
{
    EXPECT_EQ(CollectLinkRates("link baud 19200"), " 19200");
    EXPECT_EQ(CollectLinkRates("link 9600/4800"), " 4800 9600");
    EXPECT_EQ(CollectLinkRates("link baud 2400"), "");
}

TEST(ReplyMatching, CurrentChannelUsesTrailingDigitsElseTheLastByte)
{
    EXPECT_EQ(CurrentChannelIndexFromReply("\r\ncurrent channel 3"), 2);
    EXPECT_EQ(CurrentChannelIndexFromReply("\r\ncurrent channel 10"), 9);
    EXPECT_EQ(CurrentChannelIndexFromReply("\r\ncurrent channel 0"), -1);
    EXPECT_EQ(CurrentChannelIndexFromReply("\r\ncurrent channel 4A"), 'A' - '1');
    EXPECT_EQ(CurrentChannelIndexFromReply("99999999999999999999"), INT_MAX - 1);
    EXPECT_EQ(CurrentChannelIndexFromReply(""), -1);
}

TEST(Codes, ProtocolCodesAreTheRadios)
{
    EXPECT_EQ(ProtocolCode(0), 1);
    EXPECT_EQ(ProtocolCode(7), 8);
    EXPECT_EQ(ProtocolCode(8), 1);
    EXPECT_EQ(LinkBaudCode(" 19200"), 3);
    EXPECT_EQ(LinkBaudCode(" 4800"), 1);
    EXPECT_EQ(LinkBaudCode(" UNKNOW"), 0);
}

TEST(Codes, LeadingIntegerClampsInsteadOfOverflowing)
{
    EXPECT_EQ(LeadingInteger("  12abc"), 12);
    EXPECT_EQ(LeadingInteger("-1"), -1);
    EXPECT_EQ(LeadingInteger("x"), 0);
    EXPECT_EQ(LeadingInteger("99999999999999999999"), INT_MAX);
    EXPECT_EQ(LeadingInteger("-99999999999999999999"), INT_MIN);
}

TEST(Tables, DefaultFrequenciesLieInTheBand)
{
    for (double frequency : DefaultFrequencies)
        EXPECT_TRUE(IsValidFrequency(frequency)) << frequency;
    for (const LinkRateOffer& offer : ProtocolLinkRates)
        EXPECT_LE(offer.count, 3);
}
