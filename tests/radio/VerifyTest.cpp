#include <gtest/gtest.h>

#include "radio/RadioVerifier.h"
#include "tests/radio/RadioFixture.h"

namespace {

class VerifyTest : public RadioFixture {
protected:
    // The window holds what the healthy radio holds; channel 1 as typed, not in normal form, and
    // a power the radio does not report, which a write does not send.
    void SetUp() override
    {
        AnswerLikeHealthyRadio();
        for (int channel = 0; channel < kChannelCount; ++channel) panel.SetChannelText(channel, Frequency(channel));
        panel.SetChannelText(1, "416.125");
        panel.SelectListItem(RadioList::HighPower, 1);
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
    radio.Answer("cfg_ch_3\r", Line("channel 3 426.12501"));
    radio.Answer("cfg_ch_7\r", Line("channel 7 446.12499 MHz"));
    const RadioResult result = verifier.Verify();
    EXPECT_FALSE(result.success);

    EXPECT_EQ(panel.StatusText(), "Verify Failure");
    ASSERT_EQ(panel.Reports().size(), 1u);
    EXPECT_EQ(panel.Reports().back().caption, "Verify Failure");
    EXPECT_EQ(Reported(), "Channel3: window 426.12500, radio 426.12501\nChannel7: window 446.12500, radio 446.12499\n"
                          "Protocol Type: window TRANSMDS, radio HUACE\n"
                          "Current Channel: window Channel3, radio Channel10");
    ASSERT_EQ(result.differences.size(), 4u);
    EXPECT_EQ(result.differences[3].key + " " + result.differences[3].held + " " + result.differences[3].radio,
              "CurrentChannel Channel3 Channel10");
    EXPECT_EQ(panel.ChannelText(1), "416.125");
    EXPECT_EQ(panel.ListText(RadioList::CurrentChannel), " Channel3");
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

} // namespace
