#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "radio/ComRadioLink.h"
#include "radio/MemoryRadioPanel.h"
#include "radio/RadioOperations.h"
#include "tests/integration/SimulatedRadio.h"

using Lines = std::vector<std::string>;

class RadioOverCableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!radio.IsAvailable()) GTEST_SKIP() << "no simulated radio (run through tools/test.sh)";
        radio.Start("");
        panel.OnProtocolSelected([this](int protocol) { operations.OfferLinkRates(protocol); });
        operations.FillValueLists();
        panel.AddListItem(RadioList::ComPort, " COM" + std::to_string(radio.Port()));
        panel.SelectListItem(RadioList::ComPort, 0);
        radio.NewCommands();
    }

    CSimulatedRadio radio;
    CMemoryRadioPanel panel;
    CComRadioLink link{panel};
    CRadioOperations operations{panel, link};
};

// Replies end in a line end, in "ACK", or with one more line in the same
// burst; each is complete when it arrives, not when the wait runs out.
TEST_F(RadioOverCableTest, ConnectReadAndDisconnectWhateverEndsTheReplies)
{
    for (const char* scenario : {"", "--ack", "--stray-line"}) {
        SCOPED_TRACE(scenario);
        radio.Start(scenario);
        operations.EnterConfigMode();
        EXPECT_EQ(panel.StatusText(), "Connect Success");
        EXPECT_TRUE(link.ReplyComplete());
        EXPECT_EQ(link.Reply(), "\rinto config mode");
        operations.LeaveConfigMode();
        EXPECT_EQ(panel.StatusText(), "Disconnect Success");
        EXPECT_TRUE(link.ReplyComplete());
        EXPECT_EQ(radio.NewCommands(), (Lines{"control\\r", "exitcnt\\r"}));
        // A stray line must never answer the next command, whenever it is delivered.
        for (int round = 0; round < (scenario[0] == '\0' ? 1 : 10); ++round) {
            operations.ReadAllParameters();
            ASSERT_EQ(panel.StatusText(), "Read Success") << "read " << round;
            // The simulator's values, each in its field: a reply answering the wrong command would shift them.
            EXPECT_EQ(panel.ListText(RadioList::Protocol), " TRIMTALK");
            EXPECT_EQ(panel.FieldText(RadioField::SerialNumber), "SN0012345");
            for (int channel = 0; channel < kChannelCount; ++channel)
                EXPECT_EQ(panel.ChannelText(channel), std::to_string(411 + channel) + ".12500");
            const Lines sent = radio.NewCommands();
            EXPECT_EQ(sent.size(), 18u);
            EXPECT_EQ(sent.empty() ? "" : sent.back(), "cfg_ch_9\\r");
        }
    }
}
