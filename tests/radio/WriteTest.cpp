#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/radio/RadioFixture.h"

namespace {

class WriteTest : public RadioFixture {
protected:
    void SetUp() override
    {
        radio.AnswerOthers(Line("OK"));
        FillWritableValues();
    }
};

TEST_F(WriteTest, SendsFourteenCommandsInOrder)
{
    operations.WriteParameters();

    std::vector<std::string> expected;
    for (int channel = 0; channel < kChannelCount; ++channel)
        expected.push_back("cfg_ch_" + std::to_string(channel) + " " + Frequency(channel) + "\r");
    expected.insert(expected.end(), {"cfg_ch_n 5\r", "cfg_sbau 4\r", "cfg_baud 3\r", "cfg_prtl 2\r"});
    EXPECT_EQ(radio.Sent(), expected);
    EXPECT_EQ(panel.StatusText(), "Write Success");
    EXPECT_FALSE(radio.IsOpen());
}

TEST_F(WriteTest, UnlockedIdentitySentAfterTheProtocolThenLockedAgain)
{
    operations.UnlockField(RadioField::SerialNumber);
    operations.UnlockField(RadioField::Hardware);
    panel.SetFieldText(RadioField::SerialNumber, "RS0000042");
    panel.SetFieldText(RadioField::Hardware, "H3.1");

    operations.WriteParameters();

    ASSERT_EQ(radio.Sent().size(), 16u);
    EXPECT_EQ(radio.Sent()[14], "cfg_sern RS0000042\r");
    EXPECT_EQ(radio.Sent()[15], "cfg_hard H3.1\r");
    EXPECT_FALSE(operations.IsUnlocked(RadioField::SerialNumber));
    EXPECT_FALSE(panel.IsFieldEnabled(RadioField::Hardware));

    operations.WriteParameters();
    EXPECT_EQ(radio.Sent().size(), 16u + 14u);
}

TEST_F(WriteTest, InvalidValueIsNamedAndNothingIsSent)
{
    const struct {
        std::function<void()> spoil;
        const char* message;
    } cases[] = {
        {[this] { panel.SetChannelText(3, ""); }, "Channel3: Invalid!"},
        {[this] { panel.SetChannelText(7, "450." + std::string(200, '0')); }, "Channel7: Invalid!"},
        {[this] { panel.SelectListItem(RadioList::Protocol, 6); }, "Link BaudRate:Invalid!"}, // BURN-IN
        {[this] { panel.SetFieldText(RadioField::SerialNumber, ""); }, "SN:Invalid!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        FillWritableValues();
        operations.UnlockField(RadioField::SerialNumber);
        panel.SetFieldText(RadioField::SerialNumber, "RS1");
        c.spoil();
        operations.WriteParameters();
        EXPECT_EQ(LastError(), c.message);
        EXPECT_TRUE(radio.Sent().empty());
        EXPECT_EQ(panel.StatusText(), "Write Failure");
        EXPECT_FALSE(operations.IsUnlocked(RadioField::SerialNumber));
    }
}

TEST_F(WriteTest, ChineseMessageUsesTheShownLabel)
{
    panel.SelectListItem(RadioList::PortBaud, -1);
    panel.SetChinese(true);
    panel.SetLabelText(RadioLabel::PortBaud, "串口波特率:");
    operations.WriteParameters();
    EXPECT_EQ(LastError(), "串口波特率:无效！");
    EXPECT_EQ(panel.Errors().back().caption, "错误");
}

TEST_F(WriteTest, UnknownLinkRateIsWrittenAsCodeZero)
{
    panel.ClearList(RadioList::LinkBaud);
    panel.AddListItem(RadioList::LinkBaud, "UNKNOW");
    panel.SelectListItem(RadioList::LinkBaud, 1);
    operations.WriteParameters();
    EXPECT_EQ(radio.Sent()[12], "cfg_baud 0\r");
}

TEST_F(WriteTest, StopsAtTheFirstCommandNotAcknowledgedOrAtAPortThatDoesNotOpen)
{
    radio.Answer("cfg_ch_n 5\r", Line("ERROR"));
    operations.WriteParameters();
    EXPECT_EQ(radio.Sent().size(), 11u);
    EXPECT_EQ(radio.Sent().back(), "cfg_ch_n 5\r");
    EXPECT_EQ(panel.StatusText(), "Write Failure");

    radio.SetOpenSucceeds(false);
    operations.WriteParameters();
    EXPECT_EQ(radio.Sent().size(), 11u);
    EXPECT_TRUE(panel.Errors().empty());
    EXPECT_EQ(panel.StatusText(), "Write Failure");
}

TEST_F(WriteTest, LongestTextThatFitsTheCommandBufferGoesOutWhole)
{
    std::string longest = "450." + std::string(CRadioOperations::kCommandBufferSize - 15, '0');
    panel.SetChannelText(7, longest);
    operations.WriteParameters();
    ASSERT_EQ(radio.Sent().size(), 14u);
    EXPECT_EQ(radio.Sent()[7], "cfg_ch_7 " + longest + "\r");
}

} // namespace
