#include "tests/radio/RadioFixture.h"

#include "radio/ListModel.h"

TEST(ListModel, SelectionIsClampedAndReportsOnlyChanges)
{
    CListModel list;
    EXPECT_FALSE(list.Select(0));
    EXPECT_EQ(list.Selected(), -1);
    list.Add(" a");
    list.Add(" b");
    EXPECT_TRUE(list.Select(7));
    EXPECT_EQ(list.Selected(), 1);
    EXPECT_EQ(list.Text(), " b");
    EXPECT_FALSE(list.Select(1));
    EXPECT_FALSE(list.Select(-3));
    EXPECT_EQ(list.Selected(), -1);
    EXPECT_EQ(list.Text(), "");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Selected(), -1);
    EXPECT_EQ(list.ItemText(0), "");
}

class ListRulesTest : public RadioFixture {};

TEST_F(ListRulesTest, ValueListsAreFilledAsTheWindowShowsThem)
{
    EXPECT_EQ(panel.ListItemCount(RadioList::Protocol), 9);
    EXPECT_EQ(panel.ListItemText(RadioList::Protocol, 8), " TT450S");
    EXPECT_EQ(panel.ListItemText(RadioList::CurrentChannel, 9), " Channel10");
    EXPECT_EQ(panel.ListText(RadioList::ConnectionRate), " 38400");
    EXPECT_EQ(panel.ListItemCount(RadioList::PortBaud), 5);
    EXPECT_EQ(panel.SelectedIndex(RadioList::PortBaud), -1);
    EXPECT_EQ(panel.ListItemText(RadioList::HighPower, 0), " 28W");
    EXPECT_EQ(panel.ListItemText(RadioList::LowPower, 2), " 5W");
    EXPECT_TRUE(panel.UnlockButtonsShown());
}

TEST_F(ListRulesTest, ChineseChannelItems)
{
    panel.SetChinese(true);
    operations.FillValueLists();
    EXPECT_EQ(panel.ListItemText(RadioList::CurrentChannel, 0), " 频道1");
    EXPECT_EQ(panel.ListItemCount(RadioList::CurrentChannel), 10);
}

TEST_F(ListRulesTest, ChoosingAProtocolOffersItsLinkRates)
{
    panel.SelectListItem(RadioList::Protocol, 3);  // TRIMMK3
    EXPECT_EQ(panel.ListItemCount(RadioList::LinkBaud), 1);
    EXPECT_EQ(panel.ListText(RadioList::LinkBaud), " 19200");

    panel.SelectListItem(RadioList::Protocol, 1);  // TRANSMDS
    EXPECT_EQ(panel.ListItemCount(RadioList::LinkBaud), 3);
    EXPECT_EQ(panel.ListText(RadioList::LinkBaud), " 9600");

    panel.SelectListItem(RadioList::Protocol, 6);  // BURN-IN
    EXPECT_EQ(panel.ListItemCount(RadioList::LinkBaud), 0);
    EXPECT_EQ(panel.SelectedIndex(RadioList::LinkBaud), -1);
}

TEST_F(ListRulesTest, ReselectingTheSameProtocolKeepsTheChosenRate)
{
    panel.SelectListItem(RadioList::Protocol, 1);
    panel.SelectListItem(RadioList::LinkBaud, 2);
    panel.SelectListItem(RadioList::Protocol, 1);
    EXPECT_EQ(panel.ListText(RadioList::LinkBaud), " 19200");
}

TEST_F(ListRulesTest, DefaultFillsExactlyTheTenChannels)
{
    panel.SetFieldText(RadioField::Firmware, "V1");
    operations.FillDefaultFrequencies();
    for (int channel = 0; channel < kChannelCount; ++channel) {
        EXPECT_EQ(panel.ChannelText(channel).size(), 9u);
        EXPECT_TRUE(operations.CheckChannelField(channel)) << channel;
    }
    EXPECT_EQ(panel.FieldText(RadioField::Firmware), "V1");
    EXPECT_EQ(panel.SelectedIndex(RadioList::Protocol), -1);
}

TEST_F(ListRulesTest, ChannelCheckNormalisesValidTexts)
{
    const std::pair<const char*, const char*> accepted[] = {
        {"470", "470.00000"}, {" 410.5 ", "410.50000"}, {"450.123456", "450.12346"}, {"415abc", "415.00000"}};
    for (const auto& [typed, shown] : accepted) {
        panel.SetChannelText(2, typed);
        EXPECT_TRUE(operations.CheckChannelField(2)) << typed;
        EXPECT_EQ(panel.ChannelText(2), shown);
    }
    EXPECT_TRUE(panel.Errors().empty());
}

TEST_F(ListRulesTest, ChannelCheckRefusesAndFocusesInvalidTexts)
{
    for (const char* typed : {"409.99999", "470.00001", "abc", "nan"}) {
        panel.SetChannelText(6, typed);
        EXPECT_FALSE(operations.CheckChannelField(6)) << typed;
        EXPECT_EQ(panel.ChannelText(6), typed);
        EXPECT_EQ(LastError(), "Channel6: Invalid!");
        EXPECT_EQ(panel.FocusedChannel(), 6);
    }
}

TEST_F(ListRulesTest, BlankChannelIsLeftAlone)
{
    for (const char* typed : {"", "   "}) {
        panel.SetChannelText(0, typed);
        EXPECT_TRUE(operations.CheckChannelField(0));
        EXPECT_EQ(panel.ChannelText(0), typed);
    }
    EXPECT_TRUE(panel.Errors().empty());
}

TEST_F(ListRulesTest, EmptyValueIsNamedByItsLabel)
{
    EXPECT_TRUE(operations.CheckNotEmpty(" 9600", RadioLabel::PortBaud));
    EXPECT_FALSE(operations.CheckNotEmpty("", RadioLabel::Protocol));
    EXPECT_EQ(LastError(), "Protocol Type:Invalid!");
}
