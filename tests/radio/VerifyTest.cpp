#include <gtest/gtest.h>

#include "radio/RadioVerifier.h"
#include "tests/radio/RadioFixture.h"

namespace {

using Lines = std::vector<std::string>;

class VerifyTest : public RadioFixture {
protected:
    // The window holds what the healthy radio holds; channel 1 as typed, not in normal form.
    void SetUp() override
    {
        AnswerLikeHealthyRadio();
        for (int channel = 0; channel < kChannelCount; ++channel) panel.SetChannelText(channel, Frequency(channel));
        panel.SetChannelText(1, "416.125");
        SelectHealthyValues();
    }

    void SelectHealthyValues()
    {
        panel.SelectListItem(RadioList::Protocol, 1);
        panel.SelectListItem(RadioList::CurrentChannel, 2);
        panel.SelectListItem(RadioList::PortBaud, 3);
        panel.SelectListItem(RadioList::LinkBaud, 2);
    }

    // The box's text, or nothing when no box was shown.
    std::string Reported() const { return panel.Reports().empty() ? "" : panel.Reports().back().message; }

    CRadioVerifier verifier{panel, link};
};

// A radio that cannot be read fails without a box.
TEST_F(VerifyTest, RadioHoldingTheWindowsValuesVerifiesAndAnUnreadableOneFails)
{
    EXPECT_TRUE(verifier.Verify().success);
    EXPECT_EQ(panel.StatusText(), "Verify Success");
    EXPECT_TRUE(panel.StatusSuccess());
    EXPECT_TRUE(panel.Reports().empty());
    EXPECT_EQ(radio.Sent().size(), 18u);
    EXPECT_FALSE(radio.IsOpen());

    radio.Silence("cfg_ch_5\r");
    EXPECT_FALSE(verifier.Verify().success);
    EXPECT_EQ(panel.StatusText(), "Verify Failure");
    EXPECT_TRUE(panel.Reports().empty());
    EXPECT_TRUE(verifier.Differences().empty());
    radio.SetOpenSucceeds(false);
    EXPECT_FALSE(verifier.Verify().success);
    EXPECT_TRUE(panel.Reports().empty());
}

TEST_F(VerifyTest, EveryDifferenceIsListedAndTheWindowKeepsItsValues)
{
    radio.Answer("cfg_ch_n\r", Line("current channel 10"));
    radio.Answer("cfg_prtl\r", Line("protocol HUACE"));
    radio.Answer("cfg_sbau\r", Line("serial baud 9600"));
    radio.Answer("cfg_baud\r", Line("link baud 4800"));
    radio.Answer("cfg_ch_3\r", Line("channel 3 426.12501"));
    radio.Answer("cfg_ch_7\r", Line("channel 7 446.12499 MHz"));
    const RadioResult result = verifier.Verify();
    EXPECT_FALSE(result.success);

    EXPECT_EQ(panel.StatusText(), "Verify Failure");
    EXPECT_FALSE(panel.StatusSuccess());
    ASSERT_EQ(panel.Reports().size(), 1u);
    EXPECT_EQ(panel.Reports().back().caption, "Verify Failure");
    EXPECT_EQ(Reported(), "Channel3: window 426.12500, radio 426.12501\nChannel7: window 446.12500, radio 446.12499\n"
                          "Protocol Type: window TRANSMDS, radio HUACE\n"
                          "Current Channel: window Channel3, radio Channel10\n"
                          "Port BaudRate: window 57600, radio 9600\nLink BaudRate: window 19200, radio 4800");
    EXPECT_EQ(verifier.Differences().size(), 6u);
    ASSERT_EQ(result.differences.size(), 6u);
    EXPECT_EQ(result.differences[3].key + " " + result.differences[3].held + " " + result.differences[3].radio,
              "CurrentChannel Channel3 Channel10");
    EXPECT_EQ(panel.ChannelText(1), "416.125");
    EXPECT_EQ(panel.ChannelText(3), Frequency(3));
    EXPECT_EQ(panel.ListText(RadioList::Protocol), " TRANSMDS");
    EXPECT_EQ(panel.ListText(RadioList::CurrentChannel), " Channel3");
    EXPECT_EQ(panel.ListItemCount(RadioList::LinkBaud), 3);
    EXPECT_EQ(panel.ListText(RadioList::LinkBaud), " 19200");
    EXPECT_EQ(panel.FieldText(RadioField::Firmware), "");
}

// The read keeps " 19200", the only rate " TRIMMK3" offers, whatever the radio
// names; Verify compares what the radio named. An unknown protocol and a
// window without a selection are differences too.
TEST_F(VerifyTest, ValuesTheReadCannotSelectAreComparedAsTheRadioNamesThem)
{
    panel.SelectListItem(RadioList::Protocol, 3);
    panel.SelectListItem(RadioList::CurrentChannel, -1);
    radio.Answer("cfg_prtl\r", Line("protocol TRIMMK3"));
    radio.Answer("cfg_baud\r", Line("link baud 9600"));
    const RadioResult result = verifier.Verify();
    EXPECT_FALSE(result.success);
    EXPECT_EQ(Reported(), "Current Channel: window none, radio Channel3\nLink BaudRate: window 19200, radio 9600");
    ASSERT_EQ(result.differences.size(), 2u);
    EXPECT_EQ(result.differences[0].held, "");

    radio.Answer("cfg_prtl\r", Line("protocol UNKNOW"));
    EXPECT_FALSE(verifier.Verify().success);
    EXPECT_EQ(Reported().rfind("Protocol Type: window TRIMMK3, radio UNKNOW\n", 0), 0u);
}

TEST_F(VerifyTest, ChineseLinesNameTheFieldsAsTheWindowDoes)
{
    panel.SetChinese(true);
    operations.FillValueLists();
    SelectHealthyValues();
    panel.SetCommandText(RadioCommand::Verify, "校验");
    panel.SetLabelText(RadioLabel::PortBaud, "串口波特率:");
    radio.Answer("cfg_sbau\r", Line("serial baud 9600"));
    radio.Answer("cfg_ch_0\r", Line("channel 0 470.00000"));
    EXPECT_FALSE(verifier.Verify().success);
    EXPECT_EQ(panel.StatusText(), "校验失败");
    EXPECT_EQ(panel.Reports().back().caption, "校验失败");
    // The current channel lists hold the same Chinese items on both sides.
    EXPECT_EQ(Reported(), "频道0: 窗口 411.12500，电台 470.00000\n串口波特率: 窗口 57600，电台 9600");
}

TEST_F(VerifyTest, FileSideIsNamedSo)
{
    CRadioVerifier fileVerifier(panel, link, VerifySource::File);
    radio.Answer("cfg_ch_2\r", Line("channel 2 421.00000"));
    EXPECT_FALSE(fileVerifier.Verify().success);
    EXPECT_EQ(Reported(), "Channel2: file 421.12500, radio 421.00000");
}

// Channels are compared as written, lists a write does not send not at all,
// and the link rate as the radio named it, not as the offered list holds it.
TEST(RadioConfigTest, ComparisonNamesEachDifferenceByKeyAndPlace)
{
    RadioConfig held;
    held.channelFrequency.fill("410.00000");
    held.channelFrequency[1] = "416.125";
    held.protocol = {0, "TRIMTALK"};
    held.linkBaud = {0, "9600"};
    held.highPower = {0, "28W"};
    RadioConfig radio = held;
    radio.channelFrequency[1] = "416.12500";
    radio.channelFrequency[9] = "470";
    radio.protocol = {-1, "UNKNOW"};
    radio.linkRatesNamed = "19200";
    radio.highPower = {};

    std::vector<std::string> found;
    for (const VerifyMismatch& mismatch : CompareConfigs(held, radio))
        found.push_back(mismatch.key + " " + std::to_string(mismatch.channel) + " " +
                        std::to_string(static_cast<int>(mismatch.label)) + " " + mismatch.held + "/" + mismatch.radio);
    EXPECT_EQ(found, (Lines{"Channel9 9 0 410.00000/470.00000", "ProtocolType -1 0 TRIMTALK/UNKNOW",
                            "LinkBaudRate -1 3 9600/19200"}));
    EXPECT_TRUE(CompareConfigs(held, held).empty());
}

} // namespace
