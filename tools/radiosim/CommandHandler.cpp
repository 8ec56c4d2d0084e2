#include "CommandHandler.h"

#include <array>
#include <cstdlib>

namespace {

const std::array<const char*, 8> kProtocols = {"TRIMTALK", "TRANSMDS",  "HUACE",   "TRIMMK3",
                                               "SOUTH",    "HI-TARGET", "BURN-IN", "TRANSEOT"};
const std::array<int, 5> kPortBauds = {9600, 19200, 38400, 57600, 115200};
const std::array<int, 3> kLinkBauds = {4800, 9600, 19200};

// A whole decimal number, or -1.
int WholeNumber(const std::string& text)
{
    if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos) return -1;
    return std::atoi(text.c_str());
}

bool InRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

bool IsFrequency(const std::string& text)
{
    char* end = nullptr;
    double value = std::strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0' && value >= 410.0 && value <= 470.0;
}

// "cfg_ch_3" -> 3, anything else -> -1.
int ChannelOf(const std::string& name)
{
    if (name.size() != 8 || name.compare(0, 7, "cfg_ch_") != 0 || name[7] < '0' || name[7] > '9') return -1;
    return name[7] - '0';
}

} // namespace

std::string ProtocolName(int code)
{
    return InRange(code, 1, 8) ? kProtocols[code - 1] : "";
}

std::string CCommandHandler::Handle(const std::string& command, bool& changed)
{
    changed = false;
    std::size_t blank = command.find(' ');
    if (blank == std::string::npos) return Query(command);
    return Set(command.substr(0, blank), command.substr(blank + 1), changed);
}

std::string CCommandHandler::Query(const std::string& command) const
{
    if (command == "control") return "into config mode";
    if (command == "exitcnt") return "exit config mode";
    if (command == "cfg_ch_n") return "current channel " + std::to_string(m_state.currentChannel);
    if (command == "cfg_prtl") return "protocol " + m_state.protocol;
    if (command == "cfg_sbau") return "serial baud " + std::to_string(m_state.portBaud);
    if (command == "cfg_baud") return "link baud " + std::to_string(m_state.linkBaud);
    if (command == "cfg_firm") return m_state.firmware;
    if (command == "SREV") return m_state.subFirmware;
    if (command == "cfg_hard") return m_state.hardware;
    if (command == "cfg_sern") return m_state.serialNumber;
    int channel = ChannelOf(command);
    if (channel >= 0) return "channel " + std::to_string(channel) + " " + m_state.channels[channel];
    return "ERROR";
}

std::string CCommandHandler::Set(const std::string& name, const std::string& value, bool& changed)
{
    int number = WholeNumber(value);
    int channel = ChannelOf(name);
    bool applied = true;
    if (channel >= 0 && IsFrequency(value))
        m_state.channels[channel] = value;
    else if (name == "cfg_ch_n" && InRange(number, 1, 10))
        m_state.currentChannel = number;
    else if (name == "cfg_sbau" && InRange(number, 1, 5))
        m_state.portBaud = kPortBauds[number - 1];
    else if (name == "cfg_baud" && InRange(number, 1, 3))
        m_state.linkBaud = kLinkBauds[number - 1];
    else if (name == "cfg_prtl" && InRange(number, 1, 8))
        m_state.protocol = ProtocolName(number);
    else if (name == "cfg_sern" && InRange(static_cast<int>(value.size()), 1, 9))
        m_state.serialNumber = value;
    else if (name == "cfg_hard" && InRange(static_cast<int>(value.size()), 1, 4))
        m_state.hardware = value;
    else
        applied = false;
    changed = applied;
    return applied ? "OK" : "ERROR";
}
