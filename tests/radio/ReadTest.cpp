#include <gtest/gtest.h>

#include <functional>

#include "tests/radio/RadioFixture.h"

namespace {

class ReadTest : public RadioFixture {
protected:
    void SetUp() override { AnswerLikeHealthyRadio(); }

    // Reads with one command answered otherwise; the status shown.
    std::string ReadWith(const std::string& command, const std::string& reply)
    {
        radio.Answer(command, reply);
        operations.ReadAllParameters();
        return panel.StatusText();
    }
};

TEST_F(ReadTest, HealthyRadioFillsEveryFieldInEighteenCommands)
{
    const RadioResult read = operations.ReadAllParameters();

    EXPECT_TRUE(read.success);
    EXPECT_EQ(read.config.serialNumber, "RS2026001");
    EXPECT_EQ(read.config.channelFrequency[9], Frequency(9));
    EXPECT_EQ(panel.StatusText(), "Read Success");
    EXPECT_EQ(radio.Sent().size(), 18u);
    EXPECT_EQ(radio.Openings(), std::vector<std::string>{"5 38400"});
    EXPECT_FALSE(radio.IsOpen());
    ExpectHealthyValues();
}

// "ACK" ends a reply's text without being part of it, and a line that follows
// a reply never answers the next command.
TEST_F(ReadTest, AckAndTrailingLinesLeaveTheValuesAlone)
{
    AnswerLikeHealthyRadio("ACK");
    radio.Trail(Line("protocol TRIMTALK serial baud 9600 current channel 7"));
    operations.ReadAllParameters();
    EXPECT_EQ(panel.StatusText(), "Read Success");
    ExpectHealthyValues();
}

TEST_F(ReadTest, CurrentChannelReplies)
{
    panel.SelectListItem(RadioList::CurrentChannel, 4);
    EXPECT_EQ(ReadWith("cfg_ch_n\r", Line("current channel 0")), "Read Success");
    EXPECT_EQ(panel.SelectedIndex(RadioList::CurrentChannel), -1);
    EXPECT_EQ(ReadWith("cfg_ch_n\r", "cfg_ch_n\r" + Line("current channel 3")), "Read Success");
    EXPECT_EQ(panel.ListText(RadioList::CurrentChannel), " Channel3");
}

// Each reply a step cannot use ends the read there, leaving what that step
// and the later ones would have set.
TEST_F(ReadTest, ReadStopsAtTheStepWhoseReplyFails)
{
    const struct {
        const char* command;
        std::string reply;
        std::size_t sent;
        std::function<void()> check;
    } cases[] = {
        // Only the protocol's own reply may be unknown.
        {"cfg_ch_n\r", Line("UNKNOWN COMMAND"), 1,
         [this] {
             EXPECT_EQ(panel.List(RadioList::Protocol).OwnText(), "");
             EXPECT_EQ(panel.ListText(RadioList::Protocol), " HUACE");
         }},
        // A text cut at its NUL byte would show a blank value under Success.
        {"cfg_firm\r", std::string("\r\n\0V2.31\r\n", 10), 5, [] {}},
        {"cfg_ch_4\r", Line("channel four"), 13,
         [this] {
             EXPECT_EQ(panel.ChannelText(2), "455.00000 MHz");
             EXPECT_EQ(panel.ChannelText(4), "");
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        panel.SetFieldText(RadioField::Firmware, "old");
        for (int channel = 0; channel < kChannelCount; ++channel) panel.SetChannelText(channel, "");
        panel.SelectListItem(RadioList::Protocol, 2);
        AnswerLikeHealthyRadio();
        radio.Answer("cfg_ch_2\r", Line("ch 2 455.00000 MHz"));
        const std::size_t before = radio.Sent().size();
        EXPECT_EQ(ReadWith(c.command, c.reply), "Read Failure");
        EXPECT_EQ(radio.Sent().size() - before, c.sent);
        EXPECT_EQ(radio.Sent().back(), c.command);
        EXPECT_EQ(panel.FieldText(RadioField::Firmware), c.sent <= 5 ? "old" : "V2.31"); // the fifth reply
        c.check();
    }
}

// The result holds the radio's word where no item is selected, and the rates
// it named where the protocol offers none.
TEST_F(ReadTest, UnknownProtocolIsShownAndTheReadGoesOn)
{
    radio.Answer("cfg_prtl\r", Line("protocol UNKNOW"));
    const RadioResult read = operations.ReadAllParameters();
    EXPECT_TRUE(read.success);
    EXPECT_EQ(panel.List(RadioList::Protocol).OwnText(), " UNKNOW");
    EXPECT_EQ(panel.SelectedIndex(RadioList::Protocol), -1);
    EXPECT_EQ(read.config.protocol.text, "UNKNOW");

    radio.Answer("cfg_prtl\r", Line("protocol BURN-IN"));
    const RadioResult burnIn = operations.ReadAllParameters();
    EXPECT_EQ(burnIn.config.protocol.text, "BURN-IN");
    EXPECT_EQ(burnIn.config.linkBaud.index, -1);
    EXPECT_EQ(burnIn.config.linkBaud.text, "19200");
}

// Only the link rate's own silence is forgiven: it leaves "UNKNOW", and the
// next good read of the same protocol offers that protocol's rates again.
TEST_F(ReadTest, LinkRateIsPickedFromTheProtocolsOffer)
{
    radio.Silence("cfg_baud\r");
    operations.ReadAllParameters();
    EXPECT_EQ(panel.StatusText(), "Read Success");
    ASSERT_EQ(panel.ListItemCount(RadioList::LinkBaud), 1);
    EXPECT_EQ(panel.ListItemText(RadioList::LinkBaud, 0), "UNKNOW");
    EXPECT_EQ(panel.ChannelText(9), Frequency(9));

    EXPECT_EQ(ReadWith("cfg_baud\r", Line("link baud 4800")), "Read Success");
    EXPECT_EQ(panel.ListItemCount(RadioList::LinkBaud), 3);
    EXPECT_EQ(panel.ListText(RadioList::LinkBaud), " 4800");
    // TRIMMK3 offers only 19200, which stays selected whatever the radio says.
    radio.Answer("cfg_prtl\r", Line("TRANSEOT TRIMA"));
    EXPECT_EQ(ReadWith("cfg_baud\r", Line("link baud 9600")), "Read Success");
    EXPECT_EQ(panel.ListText(RadioList::Protocol), " TRIMMK3");
    EXPECT_EQ(panel.ListText(RadioList::LinkBaud), " 19200");
}

TEST_F(ReadTest, SerialNumberAndHardwareAreCutToTheirFieldLimits)
{
    radio.Answer("cfg_sern\r", Line("123456789ABC"));
    ReadWith("cfg_hard\r", Line("H2.0.17"));
    EXPECT_EQ(panel.FieldText(RadioField::SerialNumber), "123456789");
    EXPECT_EQ(panel.FieldText(RadioField::Hardware), "H2.0");
}

TEST_F(ReadTest, SilentOrClosedPortFailsAtOnce)
{
    radio.Silence("cfg_ch_n\r");
    EXPECT_EQ(ReadWith("cfg_prtl\r", ""), "Read Failure");
    EXPECT_EQ(radio.Sent(), (std::vector<std::string>{"cfg_ch_n\r"}));
    EXPECT_EQ(panel.ListItemText(RadioList::LinkBaud, 0), "UNKNOW");

    radio.SetOpenSucceeds(false);
    operations.ReadAllParameters();
    EXPECT_EQ(radio.Sent().size(), 1u);
    EXPECT_EQ(panel.StatusText(), "Read Failure");
    EXPECT_TRUE(panel.Errors().empty());
}

TEST_F(ReadTest, ConnectAndDisconnectLookForTheirAnswersAndChineseStatusHasNoBlank)
{
    radio.Answer("control\r", Line("busy"));
    operations.EnterConfigMode();
    EXPECT_EQ(panel.StatusText(), "Connect Failure");
    radio.Answer("control\r", Line("into config mode"));
    radio.Answer("exitcnt\r", Line("config mode"));
    operations.EnterConfigMode();
    EXPECT_EQ(panel.StatusText(), "Connect Success");
    operations.LeaveConfigMode();
    EXPECT_EQ(panel.StatusText(), "Disconnect Failure");
    EXPECT_EQ(radio.Sent(), (std::vector<std::string>{"control\r", "control\r", "exitcnt\r"}));

    panel.SetChinese(true);
    panel.SetCommandText(RadioCommand::Read, "读取");
    operations.ReadAllParameters();
    EXPECT_EQ(panel.StatusText(), "读取成功");
}

} // namespace
