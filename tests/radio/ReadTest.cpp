#include <gtest/gtest.h>

#include <algorithm>

#include "tests/radio/RadioFixture.h"

namespace {

class ReadTest : public RadioFixture {
protected:
    void SetUp() override { AnswerLikeHealthyRadio(); }
};

TEST_F(ReadTest, HealthyRadioFillsEveryFieldInEighteenCommands)
{
    operations.ReadAllParameters();

    EXPECT_EQ(panel.StatusText(), "Read Success");
    EXPECT_TRUE(panel.StatusSuccess());
    EXPECT_EQ(radio.Sent().size(), 18u);
    EXPECT_EQ(radio.OpenedPort(), 5);
    EXPECT_EQ(radio.OpenedBaud(), 38400);
    EXPECT_FALSE(radio.IsOpen());
    EXPECT_EQ(panel.ListText(RadioList::CurrentChannel), " Channel3");
    EXPECT_EQ(panel.ListText(RadioList::Protocol), " TRANSMDS");
    EXPECT_EQ(panel.ListText(RadioList::PortBaud), " 57600");
    EXPECT_EQ(panel.ListText(RadioList::LinkBaud), " 19200");
    EXPECT_EQ(panel.FieldText(RadioField::Firmware), "V2.31");
    EXPECT_EQ(panel.FieldText(RadioField::Hardware), "H2.0");
    EXPECT_EQ(panel.FieldText(RadioField::SerialNumber), "RS2026001");
    EXPECT_EQ(panel.FieldText(RadioField::SubFirmware), "S1.07");
    for (int channel = 0; channel < kChannelCount; ++channel)
        EXPECT_EQ(panel.ChannelText(channel), Frequency(channel)) << channel;
}

TEST_F(ReadTest, CurrentChannelTenIsReadAsTheTenthItem)
{
    radio.Answer("cfg_ch_n\r", Line("current channel 10"));
    operations.ReadAllParameters();
    EXPECT_EQ(panel.SelectedIndex(RadioList::CurrentChannel), 9);
}

TEST_F(ReadTest, CurrentChannelZeroClearsTheSelectionButSucceeds)
{
    panel.SelectListItem(RadioList::CurrentChannel, 4);
    radio.Answer("cfg_ch_n\r", Line("current channel 0"));
    operations.ReadAllParameters();
    EXPECT_EQ(panel.SelectedIndex(RadioList::CurrentChannel), -1);
    EXPECT_EQ(panel.StatusText(), "Read Success");
}

TEST_F(ReadTest, CurrentChannelReplyWithoutDigitsUsesItsLastByte)
{
    radio.Answer("cfg_ch_n\r", "\r\ncurrent channel 4ACK");
    operations.ReadAllParameters();
    EXPECT_EQ(panel.SelectedIndex(RadioList::CurrentChannel), 9);  // 'K' lies past the end
}

TEST_F(ReadTest, EchoBeforeTheReplyIsIgnored)
{
    radio.Answer("cfg_ch_n\r", "cfg_ch_n\r" + Line("current channel 3"));
    operations.ReadAllParameters();
    EXPECT_EQ(panel.ListText(RadioList::CurrentChannel), " Channel3");
    EXPECT_EQ(panel.StatusText(), "Read Success");
}

TEST_F(ReadTest, ProtocolWithoutKeywordFailsAndLeavesLaterFields)
{
    panel.SetFieldText(RadioField::Firmware, "old");
    radio.Answer("cfg_prtl\r", Line("protocol ?"));
    operations.ReadAllParameters();
    EXPECT_EQ(panel.StatusText(), "Read Failure");
    EXPECT_FALSE(panel.StatusSuccess());
    EXPECT_EQ(panel.ListText(RadioList::CurrentChannel), " Channel3");  // read before the failure
    EXPECT_EQ(panel.FieldText(RadioField::Firmware), "old");
    // The link rate step found the read failed and offers UNKNOW alone.
    ASSERT_EQ(panel.ListItemCount(RadioList::LinkBaud), 1);
    EXPECT_EQ(panel.ListItemText(RadioList::LinkBaud, 0), "UNKNOW");
}

TEST_F(ReadTest, UnknownProtocolIsShownAndTheReadGoesOn)
{
    radio.Answer("cfg_prtl\r", Line("protocol UNKNOW"));
    operations.ReadAllParameters();
    EXPECT_EQ(panel.List(RadioList::Protocol).OwnText(), " UNKNOW");
    EXPECT_EQ(panel.SelectedIndex(RadioList::Protocol), -1);
    EXPECT_EQ(panel.StatusText(), "Read Success");
    EXPECT_EQ(panel.FieldText(RadioField::SerialNumber), "RS2026001");
}

TEST_F(ReadTest, OlderProtocolSpellingsWin)
{
    radio.Answer("cfg_prtl\r", Line("TRANSEOT TRIMA"));
    operations.ReadAllParameters();
    EXPECT_EQ(panel.ListText(RadioList::Protocol), " TRIMMK3");
    // TRIMMK3 offers only 19200, which stays selected whatever the radio says.
    radio.Answer("cfg_baud\r", Line("link baud 9600"));
    panel.SelectListItem(RadioList::Protocol, -1);
    operations.ReadAllParameters();
    EXPECT_EQ(panel.ListText(RadioList::LinkBaud), " 19200");
    EXPECT_EQ(panel.StatusText(), "Read Success");
}

TEST_F(ReadTest, LinkRateIsPickedFromTheProtocolsOffer)
{
    radio.Answer("cfg_baud\r", Line("link baud 4800"));
    operations.ReadAllParameters();
    EXPECT_EQ(panel.ListText(RadioList::LinkBaud), " 4800");
    EXPECT_EQ(panel.List(RadioList::LinkBaud).OwnText(), " 4800");
}

TEST_F(ReadTest, LinkRateReplyWithoutRateFailsWithTheLastItemSelected)
{
    radio.Answer("cfg_baud\r", Line("link baud ?"));
    operations.ReadAllParameters();
    EXPECT_EQ(panel.StatusText(), "Read Failure");
    EXPECT_EQ(panel.ListText(RadioList::LinkBaud), " 19200");
    EXPECT_EQ(std::count(radio.Sent().begin(), radio.Sent().end(), "cfg_firm\r"), 0);
}

TEST_F(ReadTest, SerialNumberAndHardwareAreCutToTheirFieldLimits)
{
    radio.Answer("cfg_sern\r", Line("123456789ABC"));
    radio.Answer("cfg_hard\r", Line("H2.0.17"));
    operations.ReadAllParameters();
    EXPECT_EQ(panel.FieldText(RadioField::SerialNumber), "123456789");
    EXPECT_EQ(panel.FieldText(RadioField::Hardware), "H2.0");
}

TEST_F(ReadTest, ChannelLoopStopsAtTheFirstChannelThatFails)
{
    radio.Answer("cfg_ch_4\r", Line("channel four"));
    operations.ReadAllParameters();
    EXPECT_EQ(panel.StatusText(), "Read Failure");
    EXPECT_EQ(panel.ChannelText(3), Frequency(3));
    EXPECT_EQ(panel.ChannelText(4), "");
    EXPECT_EQ(radio.Sent().back(), "cfg_ch_4\r");
}

TEST_F(ReadTest, ChannelTextIsWhatFollowsTheDigitAndBlank)
{
    radio.Answer("cfg_ch_2\r", Line("ch 2 455.00000 MHz"));
    operations.ReadAllParameters();
    EXPECT_EQ(panel.ChannelText(2), "455.00000 MHz");
}

TEST_F(ReadTest, SilentRadioFailsAtOnceAndOffersUnknownLinkRate)
{
    radio.AnswerOthers("");
    for (const char* command : {"cfg_ch_n\r", "cfg_prtl\r", "cfg_sbau\r", "cfg_baud\r", "cfg_firm\r"})
        radio.Silence(command);
    operations.ReadAllParameters();
    EXPECT_EQ(panel.StatusText(), "Read Failure");
    EXPECT_EQ(radio.Sent(), (std::vector<std::string>{"cfg_ch_n\r"}));
    EXPECT_EQ(panel.ListText(RadioList::LinkBaud), "");
    EXPECT_EQ(panel.ListItemText(RadioList::LinkBaud, 0), "UNKNOW");
}

TEST_F(ReadTest, SilentLinkRateQueryIsForgiven)
{
    radio.Silence("cfg_baud\r");
    operations.ReadAllParameters();
    EXPECT_EQ(panel.StatusText(), "Read Success");
    ASSERT_EQ(panel.ListItemCount(RadioList::LinkBaud), 1);
    EXPECT_EQ(panel.ListItemText(RadioList::LinkBaud, 0), "UNKNOW");
    EXPECT_EQ(panel.ChannelText(9), Frequency(9));
}

TEST_F(ReadTest, FailedPortRateIsNotHiddenByTheLinkRateRule)
{
    radio.Answer("cfg_sbau\r", Line("serial baud 1200"));
    operations.ReadAllParameters();
    EXPECT_EQ(panel.StatusText(), "Read Failure");
    EXPECT_EQ(radio.Sent().back(), "cfg_sbau\r");
}

TEST_F(ReadTest, PortThatDoesNotOpenSendsNothing)
{
    radio.SetOpenSucceeds(false);
    operations.ReadAllParameters();
    EXPECT_TRUE(radio.Sent().empty());
    EXPECT_EQ(panel.StatusText(), "Read Failure");
    EXPECT_TRUE(panel.Errors().empty());
}

TEST_F(ReadTest, ChineseStatusHasNoBlankBeforeTheResult)
{
    panel.SetChinese(true);
    panel.SetCommandText(RadioCommand::Read, "读取");
    operations.ReadAllParameters();
    EXPECT_EQ(panel.StatusText(), "读取成功");
}

TEST_F(ReadTest, ConnectAndDisconnectLookForTheirAnswers)
{
    radio.Answer("control\r", Line("into config mode"));
    radio.Answer("exitcnt\r", Line("config mode"));
    operations.EnterConfigMode();
    EXPECT_EQ(panel.StatusText(), "Connect Success");
    operations.LeaveConfigMode();
    EXPECT_EQ(panel.StatusText(), "Disconnect Failure");
    EXPECT_EQ(radio.Sent(), (std::vector<std::string>{"control\r", "exitcnt\r"}));
}

}  // namespace
