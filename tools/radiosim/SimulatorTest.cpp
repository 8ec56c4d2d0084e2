// Checks of the simulated radio's answers, framing, boot loader and log.
#include <string>

#include <gtest/gtest.h>

#include "CommandLog.h"
#include "RadioSimulator.h"

namespace {

CCommandFramer::Item Line(const std::string& text)
{
    return {false, text, text + "\r"};
}

std::string Page(unsigned char value, bool goodChecksum = true)
{
    std::string packet(256, static_cast<char>(value));
    unsigned sum = 256u * value + (goodChecksum ? 0 : 1);
    packet += static_cast<char>(sum >> 8);
    packet += static_cast<char>(sum & 0xff);
    return packet;
}

} // namespace

TEST(RadioSimulator, QueriesAndSets)
{
    RadioState state;
    CRadioSimulator radio(state, Scenario{});
    EXPECT_EQ(radio.Respond(Line("control")).bytes, "\r\ninto config mode\r\n");
    EXPECT_EQ(radio.Respond(Line("cfg_ch_4")).bytes, "\r\nchannel 4 415.12500\r\n");
    EXPECT_EQ(radio.Respond(Line("cfg_ch_n 10")).bytes, "\r\nOK\r\n");
    EXPECT_EQ(radio.Respond(Line("cfg_ch_n")).bytes, "\r\ncurrent channel 10\r\n");
    EXPECT_EQ(radio.Respond(Line("cfg_ch_n 11")).bytes, "\r\nERROR\r\n");
    EXPECT_EQ(radio.Respond(Line("cfg_prtl 8")).bytes, "\r\nOK\r\n");
    EXPECT_EQ(radio.State().protocol, "TRANSEOT");
    EXPECT_EQ(radio.Respond(Line("cfg_sbau 5")).bytes, "\r\nOK\r\n");
    EXPECT_EQ(radio.Respond(Line("cfg_sbau")).bytes, "\r\nserial baud 115200\r\n");
    EXPECT_EQ(radio.Respond(Line("cfg_baud 4")).bytes, "\r\nERROR\r\n");
    EXPECT_EQ(radio.Respond(Line("cfg_ch_0 470.00001")).bytes, "\r\nERROR\r\n");
    EXPECT_EQ(radio.Respond(Line("cfg_ch_0 410.00000")).bytes, "\r\nOK\r\n");
    EXPECT_EQ(radio.State().channels[0], "410.00000");
    EXPECT_EQ(radio.Respond(Line("cfg_sern 1234567890")).bytes, "\r\nERROR\r\n");
    EXPECT_EQ(radio.Respond(Line("cfg_hard H2.0")).bytes, "\r\nOK\r\n");
    EXPECT_EQ(radio.Respond(Line("cfg_hard")).bytes, "\r\nH2.0\r\n");
    EXPECT_EQ(radio.Respond(Line("cfg_ch_10")).bytes, "\r\nERROR\r\n");
    EXPECT_TRUE(radio.State().ToText().find("current=10\nprotocol=TRANSEOT\n") != std::string::npos);
}

TEST(RadioSimulator, Scenarios)
{
    Scenario scenario;
    scenario.noReply.insert("cfg_prtl");
    scenario.wrongReply.insert("cfg_sbau");
    CRadioSimulator radio(RadioState{}, scenario);
    EXPECT_TRUE(radio.Respond(Line("cfg_prtl")).bytes.empty());
    EXPECT_EQ(radio.Respond(Line("cfg_sbau")).bytes, "\r\nbusy\r\n");
    EXPECT_EQ(radio.Respond(Line("cfg_ch_n")).bytes, "\r\ncurrent channel 1\r\n");

    // The command line's scenario stays under what the control file adds.
    radio.ApplyControl("# faults\n--echo --ack\n--unknown-protocol");
    EXPECT_TRUE(radio.Respond(Line("cfg_prtl")).bytes.empty());
    EXPECT_EQ(radio.Respond(Line("cfg_firm")).bytes, "cfg_firm\r\r\nV2.1.0ACK");
    CRadioSimulator plain(RadioState{}, Scenario{});
    plain.ApplyControl("--unknown-protocol");
    EXPECT_EQ(plain.Respond(Line("cfg_prtl")).bytes, "\r\nprotocol UNKNOW\r\n");
    radio.ApplyControl("--garbage --slow 600 --baud 1000");
    CRadioSimulator::Response garbage = radio.Respond(Line("cfg_firm"));
    EXPECT_EQ(garbage.bytes.size(), 130u);
    EXPECT_EQ(static_cast<unsigned char>(garbage.bytes[0]), 0x80u);
    EXPECT_EQ(garbage.delayMs, 600 + (9 + 130) * 10);
    EXPECT_EQ(garbage.sentLogLine, "<reply sent after 1990 ms>");
    EXPECT_EQ(plain.Respond(Line("cfg_firm")).sentLogLine, "");
    radio.ApplyControl("--ignore-set cfg_ch_3 --stray-line");
    EXPECT_EQ(radio.Respond(Line("cfg_ch_3 440.00000")).bytes, "\r\nOK\r\n\r\nOK\r\n");
    EXPECT_EQ(radio.Respond(Line("cfg_ch_4 440.00000")).bytes, "\r\nOK\r\n\r\nOK\r\n");
    EXPECT_EQ(radio.State().channels[3], "414.12500");
    EXPECT_EQ(radio.State().channels[4], "440.00000");
    radio.ApplyControl("--silent");
    EXPECT_TRUE(radio.Respond(Line("control")).bytes.empty());
    EXPECT_TRUE(!radio.ApplyControl("--bogus"));
}

// A radio with a rate of its own understands configuration commands sent at
// that rate only; its boot loader hears any rate, and an unknown rate passes.
TEST(RadioSimulator, OwnRate)
{
    CRadioSimulator radio(RadioState{}, Scenario{});
    radio.ApplyControl("--baud 19200");
    CRadioSimulator::Response other = radio.Respond(Line("control"), 9600);
    EXPECT_TRUE(other.bytes.empty());
    EXPECT_EQ(other.logLine, "<at 9600 baud> control\\r");
    EXPECT_EQ(radio.Respond(Line("control"), 19200).bytes, "\r\ninto config mode\r\n");
    EXPECT_EQ(radio.Respond(Line("cfg_ch_n"), 0).bytes, "\r\ncurrent channel 1\r\n");
    EXPECT_EQ(radio.Respond({false, "boot_start", "boot_start"}, 115200).bytes, "\r\nboot start\r\n");
    radio.ApplyControl("");
    EXPECT_EQ(radio.Respond(Line("control"), 9600).bytes, "\r\ninto config mode\r\n");
}

TEST(RadioSimulator, ResetRestoresTheInitialState)
{
    CRadioSimulator radio(RadioState{}, Scenario{});
    radio.Respond(Line("cfg_sern X1"));
    EXPECT_EQ(radio.State().serialNumber, "X1");
    radio.ApplyControl("reset");
    EXPECT_EQ(radio.State().serialNumber, "SN0012345");
}

TEST(RadioSimulator, Framing)
{
    CCommandFramer framer;
    CCommandFramer::Item item;
    std::string stream = "\r\ncfg_prtl\rboot_startwrite page";
    std::vector<std::string> seen;
    for (char c : stream) {
        if (framer.Feed(static_cast<unsigned char>(c), item)) seen.push_back(item.raw);
    }
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], "cfg_prtl\r");
    EXPECT_EQ(seen[1], "boot_start");
    EXPECT_EQ(seen[2], "write page");
    framer.ExpectPacket();
    std::string packet = Page('\r');
    int completed = 0;
    for (char c : packet) completed += framer.Feed(static_cast<unsigned char>(c), item);
    EXPECT_EQ(completed, 1);
    EXPECT_TRUE(item.packet);
    EXPECT_EQ(item.text, packet);
}

TEST(RadioSimulator, BootExchange)
{
    EXPECT_EQ(CBootLoader::PageChecksum(Page(0xff)), 65280u);
    EXPECT_TRUE(CBootLoader::IsChecksumValid(Page(0xff)));
    EXPECT_TRUE(!CBootLoader::IsChecksumValid(Page(0xff, false)));

    Scenario scenario;
    scenario.bootFailPage = 3;
    CRadioSimulator radio(RadioState{}, scenario);
    EXPECT_EQ(radio.Respond({false, "boot_start", "boot_start"}).bytes, "\r\nboot start\r\n");
    EXPECT_EQ(radio.Respond({false, "write page", "write page"}).bytes, "\r\nget page\r\n");
    EXPECT_TRUE(radio.ExpectsPacket());
    CRadioSimulator::Response first = radio.Respond({true, Page(1), Page(1)});
    EXPECT_EQ(first.bytes, "\r\nwrite OK\r\n");
    EXPECT_EQ(first.logLine, "<page 1 258 bytes checksum ok>");
    EXPECT_EQ(radio.Respond({true, Page(2, false), Page(2, false)}).bytes, "\r\nchecksum error\r\n");
    EXPECT_EQ(radio.Respond({true, Page(3), Page(3)}).bytes, "\r\nwrite failed\r\n");
    CRadioSimulator::Response finish = radio.Respond({false, "ISP finish", "ISP finish"});
    EXPECT_TRUE(finish.firmwareFinished);
    EXPECT_TRUE(finish.bytes.empty());
    EXPECT_EQ(radio.Boot().Firmware(), std::string(256, '\x01'));
}

TEST(RadioSimulator, LogEscaping)
{
    EXPECT_EQ(EscapeForLog("a\\b\r\n\x01\xff"), "a\\\\b\\r\\n\\x01\\xFF");
}
