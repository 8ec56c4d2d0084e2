#include <gtest/gtest.h>

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

} // namespace

TEST(CommandLine, ReadWithEveryOption)
{
    Parsed parsed = Parse({"read", "--port", "7", "--baud", "115200", "--out", "x.cfg"});
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.options.command, "read");
    EXPECT_EQ(parsed.options.ports, std::vector<std::string>{Com(7)});
    EXPECT_EQ(parsed.options.baud, 115200);
    EXPECT_EQ(parsed.options.outFile, "x.cfg");
}

TEST(CommandLine, DefaultsToTheWindowsConnectionRate)
{
    Parsed parsed = Parse({"connect", "--port", "3"});
    ASSERT_TRUE(parsed.ok);
    EXPECT_EQ(parsed.options.baud, 38400);
    EXPECT_TRUE(Parse({"ports"}).ok);
    EXPECT_TRUE(Parse({"detect"}).ok);
}

TEST(CommandLine, WriteTakesTheFileAndIdentity)
{
    Parsed parsed = Parse({"write", "--port", "2", "radio.cfg", "--sn", "123456789", "--hw", "H2.0"});
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.options.configFile, "radio.cfg");
    EXPECT_TRUE(parsed.options.setSerialNumber);
    EXPECT_EQ(parsed.options.serialNumber, "123456789");
    EXPECT_TRUE(parsed.options.setHardware);
    EXPECT_EQ(parsed.options.hardware, "H2.0");
    EXPECT_FALSE(Parse({"write", "--port", "2", "radio.cfg"}).options.setSerialNumber);
    EXPECT_FALSE(parsed.options.verify);
    EXPECT_TRUE(Parse({"write", "--verify", "--port", "2", "radio.cfg"}).options.verify);
}

TEST(CommandLine, VerifyTakesThePortAndTheFile)
{
    Parsed parsed = Parse({"verify", "--port", "2", "--baud", "9600", "radio.cfg"});
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.options.command, "verify");
    EXPECT_EQ(parsed.options.baud, 9600);
    EXPECT_EQ(parsed.options.configFile, "radio.cfg");
}

TEST(CommandLine, UpgradeTakesThePortAndTheFirmwareFile)
{
    Parsed parsed = Parse({"upgrade", "radio.dwn", "--port", "4"});
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.options.command, "upgrade");
    EXPECT_EQ(parsed.options.ports, std::vector<std::string>{Com(4)});
    EXPECT_EQ(parsed.options.firmwareFile, "radio.dwn");
    EXPECT_TRUE(parsed.options.configFile.empty());
}

TEST(CommandLine, RefusesValuesOutsideTheTables)
{
    const std::vector<std::vector<std::string>> refused = {
        {"read", "--port", "0"},
        {"read", "--port", "256"},
        {"read", "--port", ""},
#ifdef _WIN32
        {"read", "--port", "7x"},
        {"read", "--port", "-1"},
        {"read", "--port", "/dev/ttyUSB0"},
#endif
        {"read", "--port", "7", "--baud", "4800"},
        {"read", "--port", "7", "--baud", ""},
        {"read", "--port", "7", "--out", ""},
        {"write", "--port", "2", "f", "--sn", "1234567890"},
        {"write", "--port", "2", "f", "--hw", "H2.01"},
        {"write", "--port", "2", "f", "--sn", ""},
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
        {"read"},
        {"read", "--port"},
        {"write", "--port", "2"},
        {"write", "--port", "2", "a.cfg", "b.cfg"},
        {"read", "--port", "2", "--sn", "1"},
        {"connect", "--port", "2", "--out", "x"},
        {"read", "--port", "2", "extra"},
        {"upgrade", "--port", "2"},
        {"upgrade", "f.dwn"},
        {"upgrade", "--port", "2", "a.dwn", "b.dwn"},
        {"upgrade", "--port", "2", "--baud", "9600", "f.dwn"},
        {"upgrade", "--port", "2", "--out", "x", "f.dwn"},
        {"verify", "--port", "2"},
        {"verify", "--port", "2", "--verify", "f.cfg"},
        {"verify", "--port", "2", "--sn", "1", "f.cfg"},
        {"read", "--port", "2", "--verify"},
        {"detect", "--port", "2"},
        {"detect", "--baud", "9600"},
        {"detect", "COM2"},
        {"ports", "--port", "2"},
        {"upgrade", "--port", "2", "--json", "f.dwn"},
        {"upgrade", "--port", "2", "--port", "3", "f.dwn"},
        {"connect", "--port", "2", "--port", "3"},
        {"read", "--port", "2", "--port", "3", "--out", "x.cfg"},
        {"write", "--port", "2", "--port", "02", "f.cfg"},
        {"read", "--port", "2", "--trace", ""},
        {"detect", "--trace"},
    };
    for (const auto& args : refused) EXPECT_FALSE(Parse(args).ok) << (args.empty() ? "" : args[0]);
}

TEST(CommandLine, ReadWriteAndVerifyTakeSeveralPortsInOrder)
{
    for (const char* command : {"read", "write", "verify"}) {
        Parsed parsed = Parse({command, "--port", "12", "--port", "3", "f.cfg", "--port", "7"});
        if (std::string(command) == "read") parsed = Parse({command, "--port", "12", "--port", "3", "--port", "7"});
        ASSERT_TRUE(parsed.ok) << command << ": " << parsed.error;
        EXPECT_EQ(parsed.options.ports, (std::vector<std::string>{Com(12), Com(3), Com(7)})) << command;
    }
}

TEST(CommandLine, JsonAndTraceForEveryCommandThatTakesThem)
{
    const std::vector<std::vector<std::string>> calls = {
        {"ports", "--json", "--trace", "t.txt"},
        {"detect", "--trace", "t.txt", "--json"},
        {"read", "--port", "7", "--json", "--trace", "t.txt"},
        {"verify", "--json", "--port", "7", "f.cfg", "--trace", "t.txt"},
        {"write", "--port", "7", "--verify", "--json", "f.cfg", "--trace", "t.txt"},
    };
    for (const auto& args : calls) {
        Parsed parsed = Parse(args);
        ASSERT_TRUE(parsed.ok) << args[0] << ": " << parsed.error;
        EXPECT_TRUE(parsed.options.json) << args[0];
        EXPECT_EQ(parsed.options.traceFile, "t.txt") << args[0];
    }
    Parsed upgrade = Parse({"upgrade", "--port", "7", "--trace", "t.txt", "f.dwn"});
    ASSERT_TRUE(upgrade.ok) << upgrade.error;
    EXPECT_EQ(upgrade.options.traceFile, "t.txt");
    EXPECT_FALSE(Parse({"read", "--port", "7"}).options.json);
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
