#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "cli/CommandLine.h"

namespace {

struct Parsed {
    bool ok;
    CliOptions options;
    std::string error;
};

// The port "--port N" names: COMN, or where ports are devices, ttyS<N-1>.
std::string Com(int number)
{
#ifdef _WIN32
    return "COM" + std::to_string(number);
#else
    return "/dev/ttyS" + std::to_string(number - 1);
#endif
}

Parsed Parse(const std::vector<std::string>& args)
{
    Parsed parsed{};
    parsed.ok = ParseCommandLine(args, parsed.options, parsed.error);
    return parsed;
}

// The options as one line: the command, then each option that differs from its default.
std::string Describe(const CliOptions& o)
{
    std::string text = o.command;
    for (const std::string& port : o.ports) text += " port=" + port;
    if (o.baud != 38400) text += " baud=" + std::to_string(o.baud);
    const std::pair<const char*, const std::string*> files[] = {
        {"out", &o.outFile}, {"cfg", &o.configFile}, {"dwn", &o.firmwareFile}, {"trace", &o.traceFile}};
    for (const auto& [name, value] : files)
        if (!value->empty()) text += std::string(" ") + name + "=" + *value;
    if (o.setSerialNumber) text += " sn=" + o.serialNumber;
    if (o.setHardware) text += " hw=" + o.hardware;
    if (o.verify) text += " verify";
    if (o.json) text += " json";
    return text;
}

} // namespace

TEST(CommandLine, EveryCommandTakesItsOptionsInAnyOrder)
{
    const std::string p7 = " port=" + Com(7), p2 = " port=" + Com(2);
    const struct {
        std::vector<std::string> args;
        std::string options;
    } cases[] = {
        {{"read", "--port", "7", "--baud", "115200", "--out", "x.cfg"}, "read" + p7 + " baud=115200 out=x.cfg"},
        // The window's connection rate by default.
        {{"connect", "--port", "3"}, "connect port=" + Com(3)},
        {{"write", "--port", "2", "radio.cfg", "--sn", "123456789", "--hw", "H2.0"},
         "write" + p2 + " cfg=radio.cfg sn=123456789 hw=H2.0"},
        {{"upgrade", "radio.dwn", "--port", "4"}, "upgrade port=" + Com(4) + " dwn=radio.dwn"},
        // Several ports, in order.
        {{"write", "--port", "12", "--port", "3", "f.cfg", "--port", "7"},
         "write port=" + Com(12) + " port=" + Com(3) + p7 + " cfg=f.cfg"},
        {{"write", "--port", "7", "--verify", "--json", "f.cfg", "--trace", "t.txt"},
         "write" + p7 + " cfg=f.cfg trace=t.txt verify json"},
    };
    for (const auto& c : cases) {
        const Parsed parsed = Parse(c.args);
        EXPECT_TRUE(parsed.ok) << c.options << ": " << parsed.error;
        EXPECT_EQ(Describe(parsed.options), c.options);
    }
}

TEST(CommandLine, RefusesValuesOutsideTheTables)
{
    const std::vector<std::vector<std::string>> refused = {
        {"read", "--port", "0"},
        {"read", "--port", "256"},
        {"read", "--port", ""},
#ifdef _WIN32
        {"read", "--port", "7x"},
        {"read", "--port", "/dev/ttyUSB0"},
#endif
        {"read", "--port", "7", "--baud", "4800"},
        {"write", "--port", "2", "f", "--sn", "1234567890"},
        {"write", "--port", "2", "f", "--hw", "H2.01"},
    };
    for (const auto& args : refused) {
        Parsed parsed = Parse(args);
        EXPECT_FALSE(parsed.ok) << args.back();
        EXPECT_FALSE(parsed.error.empty());
    }
}

TEST(CommandLine, RefusesWrongUsage)
{
    const std::vector<std::vector<std::string>> refused = {
        {},
        {"flash"},
        {"read", "--port"},
        {"write", "--port", "2", "a.cfg", "b.cfg"},
        {"read", "--port", "2", "--sn", "1"},
        {"upgrade", "--port", "2"},
        {"verify", "--port", "2", "--verify", "f.cfg"},
        {"upgrade", "--port", "2", "--json", "f.dwn"},
        {"read", "--port", "2", "--port", "3", "--out", "x.cfg"},
        {"write", "--port", "2", "--port", "02", "f.cfg"},
        {"detect", "--trace"},
    };
    for (const auto& args : refused) EXPECT_FALSE(Parse(args).ok) << (args.empty() ? "" : args[0]);
}

#ifndef _WIN32
TEST(CommandLine, PortsAreDevicePaths)
{
    Parsed parsed =
        Parse({"read", "--port", "/dev/ttyUSB0", "--port", "/dev/serial/by-id/usb-FTDI-if00", "--port", "1"});
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.options.ports,
              (std::vector<std::string>{"/dev/ttyUSB0", "/dev/serial/by-id/usb-FTDI-if00", "/dev/ttyS0"}));
    EXPECT_FALSE(Parse({"read", "--port", "/dev/ttyUSB0", "--port", "/dev/ttyUSB0"}).ok);
}
#endif
