#include "tests/radio/RadioFixture.h"

#include <climits>

#include "radio/PortItem.h"
#include "radio/RadioTables.h"

class ListRulesTest : public RadioFixture {};

TEST_F(ListRulesTest, ChoosingAProtocolOffersItsLinkRates)
{
    panel.SelectListItem(RadioList::Protocol, 1); // TRANSMDS
    EXPECT_EQ(panel.ListItemCount(RadioList::LinkBaud), 3);
    EXPECT_EQ(panel.ListText(RadioList::LinkBaud), " 9600");
    panel.SelectListItem(RadioList::LinkBaud, 2);
    panel.SelectListItem(RadioList::Protocol, 1); // the same again keeps the rate
    EXPECT_EQ(panel.ListText(RadioList::LinkBaud), " 19200");

    panel.SelectListItem(RadioList::Protocol, 6); // BURN-IN
    EXPECT_EQ(panel.ListItemCount(RadioList::LinkBaud), 0);
    EXPECT_EQ(panel.SelectedIndex(RadioList::LinkBaud), -1);
}

TEST_F(ListRulesTest, ChannelCheckNormalisesRefusesOrLeavesBlanks)
{
    const struct {
        const char* typed;
        const char* shown; // nullptr: refused
    } cases[] = {{"470", "470.00000"},   {"450.123456", "450.12346"}, {"415abc", "415.00000"}, {"   ", "   "},
                 {"409.99999", nullptr}, {"470.00001", nullptr},      {"nan", nullptr}};
    for (const auto& c : cases) {
        panel.SetChannelText(6, c.typed);
        const size_t errors = panel.Errors().size();
        EXPECT_EQ(operations.CheckChannelField(6), c.shown != nullptr) << c.typed;
        EXPECT_EQ(panel.ChannelText(6), c.shown ? c.shown : c.typed);
        EXPECT_EQ(panel.Errors().size(), errors + (c.shown ? 0 : 1)) << c.typed;
    }
    EXPECT_EQ(LastError(), "Channel6: Invalid!");
    EXPECT_EQ(panel.FocusedChannel(), 6);
}

TEST(ReplyMatching, KeywordsAreTriedInTableOrder)
{
    EXPECT_EQ(MatchProtocol("protocol TT450S"), 8);
    EXPECT_EQ(MatchProtocol("protocol UNKNOW"), -1);
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
