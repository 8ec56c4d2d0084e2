#include "cli/CommandLine.h"

#include <algorithm>
#include <cstdlib>

#include "cli/Ports.h"
#include "radio/RadioTables.h"

const char* const kCliUsage =
    "usage: radiocfg ports [--json]\n"
    "       radiocfg detect [--json]\n"
    "       radiocfg connect|disconnect --port P [--baud B] [--json]\n"
    "       radiocfg read --port P... [--baud B] [--out FILE] [--json]\n"
    "       radiocfg write --port P... [--baud B] [--verify] [--sn TEXT] [--hw TEXT] [--json] FILE\n"
    "       radiocfg verify --port P... [--baud B] [--json] FILE\n"
    "       radiocfg upgrade --port P FIRMWARE.dwn\n"
    "Every command also takes --trace FILE. P is a COM port number (Windows) or a\n"
    "device path such as /dev/ttyUSB0 (Linux); read, write and verify take several\n"
    "--port options and run on all of them at once. B is one of 9600, 19200,\n"
    "38400 (the default), 57600, 115200; upgrades run at 115200.\n";

namespace {

constexpr std::size_t kSerialNumberLimit = 9;
constexpr std::size_t kHardwareLimit = 4;

bool ParseNumber(const std::string& text, int& value)
{
    char* end = nullptr;
    long parsed = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || parsed < 0 || parsed > 1000000) return false;
    value = static_cast<int>(parsed);
    return true;
}

bool IsTableBaud(int baud)
{
    for (const ValueEntry& entry : SerialBaudTable) {
        if (std::atoi(entry.keyword) == baud) return true;
    }
    return false;
}

bool Fail(std::string& error, const std::string& message)
{
    error = message;
    return false;
}

bool TakesSeveralPorts(const std::string& command)
{
    return command == "read" || command == "write" || command == "verify";
}

bool AddPort(const std::string& value, CliOptions& options, std::string& error)
{
    std::string name;
    if (!ParsePortName(value, name, error)) return false;
    if (std::find(options.ports.begin(), options.ports.end(), name) != options.ports.end())
        return Fail(error, name + " is given twice");
    if (!options.ports.empty() && !TakesSeveralPorts(options.command))
        return Fail(error, options.command + " takes one --port");
    options.ports.push_back(name);
    return true;
}

bool ParseOption(const std::vector<std::string>& args, std::size_t& i, CliOptions& options, std::string& error)
{
    const std::string& name = args[i];
    if (i + 1 >= args.size()) return Fail(error, name + " needs a value");
    const std::string& value = args[++i];
    if (name == "--trace") {
        if (value.empty()) return Fail(error, "--trace needs a file name");
        options.traceFile = value;
    } else if (options.command == "ports" || options.command == "detect") {
        return Fail(error, "unknown option " + name + " for " + options.command);
    } else if (name == "--port") {
        return AddPort(value, options, error);
    } else if (name == "--baud" && options.command != "upgrade") {
        if (!ParseNumber(value, options.baud) || !IsTableBaud(options.baud))
            return Fail(error, "--baud takes 9600, 19200, 38400, 57600 or 115200, not '" + value + "'");
    } else if (name == "--out" && options.command == "read") {
        if (value.empty()) return Fail(error, "--out needs a file name");
        options.outFile = value;
    } else if (name == "--sn" && options.command == "write") {
        if (value.empty() || value.size() > kSerialNumberLimit) return Fail(error, "--sn takes 1 to 9 characters");
        options.setSerialNumber = true;
        options.serialNumber = value;
    } else if (name == "--hw" && options.command == "write") {
        if (value.empty() || value.size() > kHardwareLimit) return Fail(error, "--hw takes 1 to 4 characters");
        options.setHardware = true;
        options.hardware = value;
    } else {
        return Fail(error, "unknown option " + name + " for " + options.command);
    }
    return true;
}

} // namespace

bool ParseCommandLine(const std::vector<std::string>& args, CliOptions& options, std::string& error)
{
    if (args.empty()) return Fail(error, "no command given");
    options = CliOptions{};
    options.command = args[0];
    const std::string& command = options.command;
    const bool takesConfig = command == "write" || command == "verify";
    const bool needsPort = command != "ports" && command != "detect";
    if (needsPort && command != "connect" && command != "disconnect" && command != "read" && command != "upgrade" &&
        !takesConfig)
        return Fail(error, "unknown command " + command);

    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--verify" && command == "write") {
            options.verify = true;
        } else if (args[i] == "--json" && command != "upgrade") {
            options.json = true;
        } else if (args[i].rfind("--", 0) == 0) {
            if (!ParseOption(args, i, options, error)) return false;
        } else if (takesConfig && options.configFile.empty()) {
            options.configFile = args[i];
        } else if (command == "upgrade" && options.firmwareFile.empty()) {
            options.firmwareFile = args[i];
        } else {
            return Fail(error, "unexpected argument " + args[i]);
        }
    }
    if (needsPort && options.ports.empty()) return Fail(error, command + " needs --port");
    if (options.ports.size() > 1 && !options.outFile.empty()) return Fail(error, "--out takes one --port");
    if (takesConfig && options.configFile.empty()) return Fail(error, command + " needs the configuration FILE");
    if (command == "upgrade" && options.firmwareFile.empty())
        return Fail(error, "upgrade needs the FIRMWARE file to send");
    return true;
}
