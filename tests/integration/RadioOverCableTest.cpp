#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "radio/ComRadioLink.h"
#include "radio/MemoryRadioPanel.h"
#include "radio/RadioOperations.h"
#include "tests/integration/SimulatedRadio.h"

using namespace std::chrono;

class RadioOverCableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!radio.IsAvailable()) GTEST_SKIP() << "no simulated radio (run through tools/test.sh)";
        radio.Start("");
        panel.OnProtocolSelected([this](int protocol) { operations.OfferLinkRates(protocol); });
        operations.FillValueLists();
        UsePort(radio.Port());
        radio.NewCommands();
    }

    void UsePort(int port)
    {
        panel.ClearList(RadioList::ComPort);
        panel.AddListItem(RadioList::ComPort, " COM" + std::to_string(port));
        panel.SelectListItem(RadioList::ComPort, 0);
    }

    template <typename Operation> milliseconds Timed(Operation operation)
    {
        auto start = steady_clock::now();
        operation();
        return duration_cast<milliseconds>(steady_clock::now() - start);
    }

    // The simulator's defaults, as they must arrive in the fields.
    void ExpectDefaultParameters()
    {
        EXPECT_EQ(panel.ListText(RadioList::Protocol), " TRIMTALK");
        EXPECT_EQ(panel.ListText(RadioList::CurrentChannel), " Channel1");
        EXPECT_EQ(panel.ListText(RadioList::PortBaud), " 9600");
        EXPECT_EQ(panel.ListText(RadioList::LinkBaud), " 9600");
        EXPECT_EQ(panel.FieldText(RadioField::Firmware), "V2.1.0");
        EXPECT_EQ(panel.FieldText(RadioField::SubFirmware), "V1.0.3");
        EXPECT_EQ(panel.FieldText(RadioField::Hardware), "H1.2");
        EXPECT_EQ(panel.FieldText(RadioField::SerialNumber), "SN0012345");
        for (int channel = 0; channel < kChannelCount; ++channel)
            EXPECT_EQ(panel.ChannelText(channel), std::to_string(411 + channel) + ".12500");
    }

    static std::vector<std::string> ReadCommands()
    {
        std::vector<std::string> commands = {"cfg_ch_n\\r", "cfg_prtl\\r", "cfg_sbau\\r", "cfg_baud\\r",
                                             "cfg_firm\\r", "cfg_hard\\r", "cfg_sern\\r", "SREV\\r"};
        for (int channel = 0; channel < kChannelCount; ++channel)
            commands.push_back("cfg_ch_" + std::to_string(channel) + "\\r");
        return commands;
    }

    CSimulatedRadio radio;
    CMemoryRadioPanel panel;
    CComRadioLink link{panel};
    CRadioOperations operations{panel, link};
};

TEST_F(RadioOverCableTest, ConnectAndDisconnect)
{
    operations.EnterConfigMode();
    EXPECT_EQ(panel.StatusText(), "Connect Success");
    operations.LeaveConfigMode();
    EXPECT_EQ(panel.StatusText(), "Disconnect Success");
    EXPECT_EQ(radio.NewCommands(), (std::vector<std::string>{"control\\r", "exitcnt\\r"}));
}

TEST_F(RadioOverCableTest, FullReadFillsEveryField)
{
    operations.ReadAllParameters();
    EXPECT_EQ(panel.StatusText(), "Read Success");
    ExpectDefaultParameters();
    EXPECT_EQ(radio.NewCommands(), ReadCommands());
}

TEST_F(RadioOverCableTest, FullWriteSendsTheCommandsInOrderAndTheRadioKeepsThem)
{
    for (int channel = 0; channel < kChannelCount; ++channel)
        panel.SetChannelText(channel, std::to_string(440 + channel) + ".50000");
    panel.SelectListItem(RadioList::Protocol, 1);
    panel.SelectListItem(RadioList::CurrentChannel, 9);
    panel.SelectListItem(RadioList::PortBaud, 4);
    panel.SelectListItem(RadioList::LinkBaud, 2);
    operations.WriteParameters();
    EXPECT_EQ(panel.StatusText(), "Write Success");
    std::vector<std::string> expected;
    for (int channel = 0; channel < kChannelCount; ++channel)
        expected.push_back("cfg_ch_" + std::to_string(channel) + " " + std::to_string(440 + channel) + ".50000\\r");
    expected.insert(expected.end(), {"cfg_ch_n 10\\r", "cfg_sbau 5\\r", "cfg_baud 3\\r", "cfg_prtl 2\\r"});
    EXPECT_EQ(radio.NewCommands(), expected);

    operations.UnlockField(RadioField::SerialNumber);
    operations.UnlockField(RadioField::Hardware);
    panel.SetFieldText(RadioField::SerialNumber, "RS7");
    panel.SetFieldText(RadioField::Hardware, "H3");
    operations.WriteParameters();
    EXPECT_EQ(panel.StatusText(), "Write Success");
    std::vector<std::string> sixteen = radio.NewCommands();
    ASSERT_EQ(sixteen.size(), 16u);
    EXPECT_EQ(sixteen[14], "cfg_sern RS7\\r");
    EXPECT_EQ(sixteen[15], "cfg_hard H3\\r");

    CMemoryRadioPanel fresh;
    CComRadioLink freshLink(fresh);
    CRadioOperations reader(fresh, freshLink);
    fresh.OnProtocolSelected([&](int protocol) { reader.OfferLinkRates(protocol); });
    reader.FillValueLists();
    fresh.AddListItem(RadioList::ComPort, " COM" + std::to_string(radio.Port()));
    fresh.SelectListItem(RadioList::ComPort, 0);
    reader.ReadAllParameters();
    EXPECT_EQ(fresh.StatusText(), "Read Success");
    EXPECT_EQ(fresh.ListText(RadioList::CurrentChannel), " Channel10");
    EXPECT_EQ(fresh.ListText(RadioList::Protocol), " TRANSMDS");
    EXPECT_EQ(fresh.ListText(RadioList::LinkBaud), " 19200");
    EXPECT_EQ(fresh.ListText(RadioList::PortBaud), " 115200");
    EXPECT_EQ(fresh.FieldText(RadioField::SerialNumber), "RS7");
    EXPECT_EQ(fresh.ChannelText(9), "449.50000");
}

struct Fault {
    const char* scenario;
    const char* status;
    std::size_t commandsLogged;
};

class FaultTest : public RadioOverCableTest, public ::testing::WithParamInterface<Fault> {};

// Each failing exchange costs one wait of 465 ms; none may hang.
TEST_P(FaultTest, ReadReportsTheOutcomeInTime)
{
    const Fault& fault = GetParam();
    radio.Start(fault.scenario);
    milliseconds took = Timed([&] { operations.ReadAllParameters(); });
    EXPECT_EQ(panel.StatusText(), fault.status) << fault.scenario;
    EXPECT_LT(took.count(), 3000) << fault.scenario;
    EXPECT_EQ(radio.NewCommands().size(), fault.commandsLogged) << fault.scenario;
    // Let late replies of a slow radio drain before the next test.
    std::this_thread::sleep_for(milliseconds(700));
}

INSTANTIATE_TEST_SUITE_P(Scenarios, FaultTest,
                         ::testing::Values(Fault{"--silent", "Read Failure", 1},
                                           Fault{"--no-reply cfg_sbau", "Read Failure", 3},
                                           Fault{"--wrong-reply cfg_ch_n", "Read Failure", 1},
                                           Fault{"--wrong-reply cfg_ch_5", "Read Failure", 14},
                                           Fault{"--slow 600", "Read Failure", 1},
                                           Fault{"--garbage", "Read Failure", 1}, Fault{"--echo", "Read Success", 18},
                                           Fault{"--no-reply cfg_baud", "Read Success", 18}));

TEST_F(RadioOverCableTest, AckTerminatedRepliesAreAcceptedWithoutTheLetters)
{
    radio.Start("--ack");
    milliseconds took = Timed([&] {
        operations.EnterConfigMode();
        EXPECT_EQ(panel.StatusText(), "Connect Success");
        operations.LeaveConfigMode();
        EXPECT_EQ(panel.StatusText(), "Disconnect Success");
    });
    EXPECT_LT(took.count(), 465);
    operations.ReadAllParameters();
    EXPECT_EQ(panel.StatusText(), "Read Success");
    ExpectDefaultParameters();
}

// The radio sends one more line after each reply, in the same burst: it
// never answers the next command, whenever it is delivered.
TEST_F(RadioOverCableTest, LineAfterAReplyNeverAnswersTheNextCommand)
{
    radio.Start("--stray-line");
    for (int round = 0; round < 20; ++round) {
        operations.ReadAllParameters();
        ASSERT_EQ(panel.StatusText(), "Read Success") << "read " << round;
        ExpectDefaultParameters();
    }
}

TEST_F(RadioOverCableTest, PortThatDoesNotExistFailsAtOnce)
{
    UsePort(42);
    milliseconds took = Timed([&] { operations.ReadAllParameters(); });
    EXPECT_EQ(panel.StatusText(), "Read Failure");
    EXPECT_LT(took.count(), 1000);
    EXPECT_TRUE(radio.NewCommands().empty());
}

TEST_F(RadioOverCableTest, PortHeldByAnotherProgramFailsAndWorksOnceFreed)
{
    HANDLE other = radio.TakePort();
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    operations.EnterConfigMode();
    EXPECT_EQ(panel.StatusText(), "Connect Failure");
    CloseHandle(other);
    EXPECT_TRUE(radio.NewCommands().empty());
    operations.EnterConfigMode();
    EXPECT_EQ(panel.StatusText(), "Connect Success");
}

TEST_F(RadioOverCableTest, EveryOperationReleasesThePort)
{
    operations.ReadAllParameters();
    HANDLE after = radio.TakePort();
    EXPECT_NE(after, INVALID_HANDLE_VALUE);
    CloseHandle(after);
}
