#include "cli/CommandLine.h"

#include <cstdlib>

#include "radio/RadioTables.h"

const char* const kCliUsage =
    "usage: radiocfg ports\n"
    "       radiocfg detect\n"
    "       radiocfg connect|disconnect --port N [--baud B]\n"
    "       radiocfg read --port N [--baud B] [--out FILE]\n"
    "       radiocfg write --port N [--baud B] [--verify] [--sn TEXT] [--hw TEXT] FILE\n"
    "       radiocfg verify --port N [--baud B] FILE\n"
    "       radiocfg upgrade --port N FIRMWARE.dwn\n"
    "B is one of 9600, 19200, 38400 (the default), 57600, 115200; upgrades run at 115200.\n";

namespace {

constexpr std::size_t kSerialNumberLimit = 9;
constexpr std::size_t kHardwareLimit = 4;

bool ParseNumber(const std::string& text, int& value)
{
    char* end = nullptr;
    long parsed = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || parsed < 0 || parsed > 1000000)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

bool IsTableBaud(int baud)
{
    for (const ValueEntry& entry : SerialBaudTable) {
        if (std::atoi(entry.keyword) == baud)
            return true;
    }
    return false;
}

bool Fail(std::string& error, const std::string& message)
{
    error = message;
    return false;
}

bool ParseOption(const std::vector<std::string>& args, std::size_t& i, CliOptions& options, std::string& error)
{
    const std::string& name = args[i];
    if (i + 1 >= args.size())
        return Fail(error, name + " needs a value");
    const std::string& value = args[++i];
    if (name == "--port") {
        if (!ParseNumber(value, options.port) || options.port < 1 || options.port > 255)
            return Fail(error, "--port takes a COM port number from 1 to 255, not '" + value + "'");
    } else if (name == "--baud" && options.command != "upgrade") {
        if (!ParseNumber(value, options.baud) || !IsTableBaud(options.baud))
            return Fail(error, "--baud takes 9600, 19200, 38400, 57600 or 115200, not '" + value + "'");
    } else if (name == "--out" && options.command == "read") {
        if (value.empty())
            return Fail(error, "--out needs a file name");
        options.outFile = value;
    } else if (name == "--sn" && options.command == "write") {
        if (value.empty() || value.size() > kSerialNumberLimit)
            return Fail(error, "--sn takes 1 to 9 characters");
        options.setSerialNumber = true;
        options.serialNumber = value;
    } else if (name == "--hw" && options.command == "write") {
        if (value.empty() || value.size() > kHardwareLimit)
            return Fail(error, "--hw takes 1 to 4 characters");
        options.setHardware = true;
        options.hardware = value;
    } else {
        return Fail(error, "unknown option " + name + " for " + options.command);
    }
    return true;
}

}  // namespace

bool ParseCommandLine(const std::vector<std::string>& args, CliOptions& options, std::string& error)
{
    if (args.empty())
        return Fail(error, "no command given");
    options = CliOptions{};
    options.command = args[0];
    const std::string& command = options.command;
    const bool takesConfig = command == "write" || command == "verify";
    const bool needsPort = command != "ports" && command != "detect";
    if (needsPort && command != "connect" && command != "disconnect" && command != "read" && command != "upgrade"
        && !takesConfig)
        return Fail(error, "unknown command " + command);

    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--verify" && command == "write") {
            options.verify = true;
        } else if (args[i].rfind("--", 0) == 0) {
            if (!needsPort)
                return Fail(error, "unknown option " + args[i] + " for " + command);
            if (!ParseOption(args, i, options, error))
                return false;
        } else if (takesConfig && options.configFile.empty()) {
            options.configFile = args[i];
        } else if (command == "upgrade" && options.firmwareFile.empty()) {
            options.firmwareFile = args[i];
        } else {
            return Fail(error, "unexpected argument " + args[i]);
        }
    }
    if (needsPort && options.port == 0)
        return Fail(error, command + " needs --port N");
    if (takesConfig && options.configFile.empty())
        return Fail(error, command + " needs the configuration FILE");
    if (command == "upgrade" && options.firmwareFile.empty())
        return Fail(error, "upgrade needs the FIRMWARE file to send");
    return true;
}
