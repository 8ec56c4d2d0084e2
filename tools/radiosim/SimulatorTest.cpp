// Checks of the simulated radio's answers, framing, boot loader and log.
#include <cstdio>
#include <string>

#include "CommandLog.h"
#include "RadioSimulator.h"

namespace {

int g_failures = 0;

void Check(bool condition, const char* what, int line)
{
    if (!condition) {
        std::fprintf(stderr, "SimulatorTest.cpp:%d: failed: %s\n", line, what);
        ++g_failures;
    }
}

#define CHECK(condition) Check((condition), #condition, __LINE__)
#define CHECK_EQ(actual, expected) Check((actual) == (expected), #actual " == " #expected, __LINE__)

CommandFramer::Item Line(const std::string& text)
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

void QueriesAndSets()
{
    RadioState state;
    RadioSimulator radio(state, Scenario{});
    CHECK_EQ(radio.Respond(Line("control")).bytes, "\r\ninto config mode\r\n");
    CHECK_EQ(radio.Respond(Line("cfg_ch_4")).bytes, "\r\nchannel 4 415.12500\r\n");
    CHECK_EQ(radio.Respond(Line("cfg_ch_n 10")).bytes, "\r\nOK\r\n");
    CHECK_EQ(radio.Respond(Line("cfg_ch_n")).bytes, "\r\ncurrent channel 10\r\n");
    CHECK_EQ(radio.Respond(Line("cfg_ch_n 11")).bytes, "\r\nERROR\r\n");
    CHECK_EQ(radio.Respond(Line("cfg_prtl 8")).bytes, "\r\nOK\r\n");
    CHECK_EQ(radio.State().protocol, "TRANSEOT");
    CHECK_EQ(radio.Respond(Line("cfg_sbau 5")).bytes, "\r\nOK\r\n");
    CHECK_EQ(radio.Respond(Line("cfg_sbau")).bytes, "\r\nserial baud 115200\r\n");
    CHECK_EQ(radio.Respond(Line("cfg_baud 4")).bytes, "\r\nERROR\r\n");
    CHECK_EQ(radio.Respond(Line("cfg_ch_0 470.00001")).bytes, "\r\nERROR\r\n");
    CHECK_EQ(radio.Respond(Line("cfg_ch_0 410.00000")).bytes, "\r\nOK\r\n");
    CHECK_EQ(radio.State().channels[0], "410.00000");
    CHECK_EQ(radio.Respond(Line("cfg_sern 1234567890")).bytes, "\r\nERROR\r\n");
    CHECK_EQ(radio.Respond(Line("cfg_hard H2.0")).bytes, "\r\nOK\r\n");
    CHECK_EQ(radio.Respond(Line("cfg_hard")).bytes, "\r\nH2.0\r\n");
    CHECK_EQ(radio.Respond(Line("cfg_ch_10")).bytes, "\r\nERROR\r\n");
    CHECK(radio.State().ToText().find("current=10\nprotocol=TRANSEOT\n") != std::string::npos);
}

void Scenarios()
{
    Scenario scenario;
    scenario.noReply.insert("cfg_prtl");
    scenario.wrongReply.insert("cfg_sbau");
    RadioSimulator radio(RadioState{}, scenario);
    CHECK(radio.Respond(Line("cfg_prtl")).bytes.empty());
    CHECK_EQ(radio.Respond(Line("cfg_sbau")).bytes, "\r\nbusy\r\n");
    CHECK_EQ(radio.Respond(Line("cfg_ch_n")).bytes, "\r\ncurrent channel 1\r\n");

    // The command line's scenario stays under what the control file adds.
    radio.ApplyControl("# faults\n--echo --ack\n--unknown-protocol");
    CHECK(radio.Respond(Line("cfg_prtl")).bytes.empty());
    CHECK_EQ(radio.Respond(Line("cfg_firm")).bytes, "cfg_firm\r\r\nV2.1.0ACK");
    RadioSimulator plain(RadioState{}, Scenario{});
    plain.ApplyControl("--unknown-protocol");
    CHECK_EQ(plain.Respond(Line("cfg_prtl")).bytes, "\r\nprotocol UNKNOW\r\n");
    radio.ApplyControl("--garbage --slow 600 --baud 1000");
    RadioSimulator::Response garbage = radio.Respond(Line("cfg_firm"));
    CHECK_EQ(garbage.bytes.size(), 130u);
    CHECK_EQ(static_cast<unsigned char>(garbage.bytes[0]), 0x80u);
    CHECK_EQ(garbage.delayMs, 600 + (9 + 130) * 10);
    radio.ApplyControl("--ignore-set cfg_ch_3 --stray-line");
    CHECK_EQ(radio.Respond(Line("cfg_ch_3 440.00000")).bytes, "\r\nOK\r\n\r\nOK\r\n");
    CHECK_EQ(radio.Respond(Line("cfg_ch_4 440.00000")).bytes, "\r\nOK\r\n\r\nOK\r\n");
    CHECK_EQ(radio.State().channels[3], "414.12500");
    CHECK_EQ(radio.State().channels[4], "440.00000");
    radio.ApplyControl("--silent");
    CHECK(radio.Respond(Line("control")).bytes.empty());
    CHECK(!radio.ApplyControl("--bogus"));
}

// A radio with a rate of its own understands configuration commands sent at
// that rate only; its boot loader hears any rate, and an unknown rate passes.
void OwnRate()
{
    RadioSimulator radio(RadioState{}, Scenario{});
    radio.ApplyControl("--baud 19200");
    RadioSimulator::Response other = radio.Respond(Line("control"), 9600);
    CHECK(other.bytes.empty());
    CHECK_EQ(other.logLine, "<at 9600 baud> control\\r");
    CHECK_EQ(radio.Respond(Line("control"), 19200).bytes, "\r\ninto config mode\r\n");
    CHECK_EQ(radio.Respond(Line("cfg_ch_n"), 0).bytes, "\r\ncurrent channel 1\r\n");
    CHECK_EQ(radio.Respond({false, "boot_start", "boot_start"}, 115200).bytes, "\r\nboot start\r\n");
    radio.ApplyControl("");
    CHECK_EQ(radio.Respond(Line("control"), 9600).bytes, "\r\ninto config mode\r\n");
}

void ResetRestoresTheInitialState()
{
    RadioSimulator radio(RadioState{}, Scenario{});
    radio.Respond(Line("cfg_sern X1"));
    CHECK_EQ(radio.State().serialNumber, "X1");
    radio.ApplyControl("reset");
    CHECK_EQ(radio.State().serialNumber, "SN0012345");
}

void Framing()
{
    CommandFramer framer;
    CommandFramer::Item item;
    std::string stream = "\r\ncfg_prtl\rboot_startwrite page";
    std::vector<std::string> seen;
    for (char c : stream) {
        if (framer.Feed(static_cast<unsigned char>(c), item))
            seen.push_back(item.raw);
    }
    CHECK_EQ(seen.size(), 3u);
    CHECK_EQ(seen[0], "cfg_prtl\r");
    CHECK_EQ(seen[1], "boot_start");
    CHECK_EQ(seen[2], "write page");
    framer.ExpectPacket();
    std::string packet = Page('\r');
    int completed = 0;
    for (char c : packet)
        completed += framer.Feed(static_cast<unsigned char>(c), item);
    CHECK_EQ(completed, 1);
    CHECK(item.packet);
    CHECK_EQ(item.text, packet);
}

void BootExchange()
{
    CHECK_EQ(BootLoader::PageChecksum(Page(0xff)), 65280u);
    CHECK(BootLoader::IsChecksumValid(Page(0xff)));
    CHECK(!BootLoader::IsChecksumValid(Page(0xff, false)));

    Scenario scenario;
    scenario.bootFailPage = 3;
    RadioSimulator radio(RadioState{}, scenario);
    CHECK_EQ(radio.Respond({false, "boot_start", "boot_start"}).bytes, "\r\nboot start\r\n");
    CHECK_EQ(radio.Respond({false, "write page", "write page"}).bytes, "\r\nget page\r\n");
    CHECK(radio.ExpectsPacket());
    RadioSimulator::Response first = radio.Respond({true, Page(1), Page(1)});
    CHECK_EQ(first.bytes, "\r\nwrite OK\r\n");
    CHECK_EQ(first.logLine, "<page 1 258 bytes checksum ok>");
    CHECK_EQ(radio.Respond({true, Page(2, false), Page(2, false)}).bytes, "\r\nchecksum error\r\n");
    CHECK_EQ(radio.Respond({true, Page(3), Page(3)}).bytes, "\r\nwrite failed\r\n");
    RadioSimulator::Response finish = radio.Respond({false, "ISP finish", "ISP finish"});
    CHECK(finish.firmwareFinished);
    CHECK(finish.bytes.empty());
    CHECK_EQ(radio.Boot().Firmware(), std::string(256, '\x01'));
}

void LogEscaping()
{
    CHECK_EQ(EscapeForLog("a\\b\r\n\x01\xff"), "a\\\\b\\r\\n\\x01\\xFF");
}

}  // namespace

int main()
{
    QueriesAndSets();
    Scenarios();
    OwnRate();
    ResetRestoresTheInitialState();
    Framing();
    BootExchange();
    LogEscaping();
    std::printf("%s\n", g_failures == 0 ? "all simulator checks passed" : "simulator checks FAILED");
    return g_failures == 0 ? 0 : 1;
}
