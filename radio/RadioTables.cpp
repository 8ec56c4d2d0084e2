#include "radio/RadioTables.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>

const std::array<ValueEntry, 9> ProtocolTable = {{
    {" TRIMTALK", "TRIMTALK", 1},
    {" TRANSMDS", "TRANSMDS", 2},
    {" HUACE", "HUACE", 3},
    {" TRIMMK3", "TRIMMK3", 4},
    {" SOUTH", "SOUTH", 5},
    {" HI-TARGET", "HI-TARGET", 6},
    {" BURN-IN", "BURN-IN", 7},
    {" TRANSEOT", "TRANSEOT", 8},
    {" TT450S", "TT450S", 1}, // the radio takes TT450S under TRIMTALK's code
}};

const std::array<ValueEntry, 5> SerialBaudTable = {{
    {" 9600", "9600", 1},
    {" 19200", "19200", 2},
    {" 38400", "38400", 3},
    {" 57600", "57600", 4},
    {" 115200", "115200", 5},
}};

const std::array<ValueEntry, 3> LinkBaudTable = {{
    {" 4800", "4800", 1},
    {" 9600", "9600", 2},
    {" 19200", "19200", 3},
}};

const std::array<const char*, 3> HighPowerTable = {" 28W", " 25W", " 20W"};
const std::array<const char*, 3> LowPowerTable = {" 15W", " 10W", " 5W"};

// Spread over the band at the 25 kHz raster.
const std::array<double, kChannelCount> DefaultFrequencies = {
    410.125, 415.250, 420.375, 425.500, 430.625, 435.750, 440.875, 450.000, 460.125, 469.250,
};

const std::array<LinkRateOffer, 9> ProtocolLinkRates = {{
    {{" 9600"}, 1, 0},
    {{" 4800", " 9600", " 19200"}, 3, 1},
    {{" 4800", " 9600", " 19200"}, 3, 1},
    {{" 19200"}, 1, 0},
    {{" 9600", " 19200"}, 2, 0},
    {{" 4800", " 9600", " 19200"}, 3, 1},
    {{}, 0, 1}, // BURN-IN offers nothing; the requested position is refused
    {{" 4800", " 9600"}, 2, 1},
    {{" 4800", " 9600"}, 2, 1},
}};

namespace {

bool Contains(const std::string& text, const char* part)
{
    return text.find(part) != std::string::npos;
}

} // namespace

int MatchProtocol(const std::string& reply)
{
    // The radio's older spellings are tried right after TRIMTALK.
    if (Contains(reply, "TRIMTALK")) return 0;
    if (Contains(reply, "TRIMA")) return 3;
    if (Contains(reply, "SOTH")) return 4;
    for (int index = 1; index < static_cast<int>(ProtocolTable.size()); ++index) {
        if (Contains(reply, ProtocolTable[index].keyword)) return index;
    }
    return -1;
}

int MatchSerialBaud(const std::string& reply)
{
    for (int index = 0; index < static_cast<int>(SerialBaudTable.size()); ++index) {
        if (Contains(reply, SerialBaudTable[index].keyword)) return index;
    }
    return -1;
}

std::string CollectLinkRates(const std::string& reply)
{
    std::string rates;
    for (const ValueEntry& rate : LinkBaudTable) {
        if (Contains(reply, rate.keyword)) rates += rate.item;
    }
    return rates;
}

int CurrentChannelIndexFromReply(const std::string& reply)
{
    if (reply.empty()) return -1;
    std::size_t digits = reply.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(reply[digits - 1]))) --digits;
    if (digits < reply.size()) return LeadingInteger(reply.substr(digits)) - 1;
    return static_cast<unsigned char>(reply.back()) - '1';
}

int ProtocolCode(int protocolIndex)
{
    bool known = protocolIndex >= 0 && protocolIndex < static_cast<int>(ProtocolTable.size());
    return known ? ProtocolTable[protocolIndex].code : protocolIndex + 1;
}

int LinkBaudCode(const std::string& itemText)
{
    int rate = LeadingInteger(itemText);
    for (const ValueEntry& entry : LinkBaudTable) {
        if (std::atoi(entry.keyword) == rate) return entry.code;
    }
    return rate;
}

double FrequencyValue(const std::string& text)
{
    return std::atof(text.c_str());
}

bool IsValidFrequency(double megahertz)
{
    return megahertz >= kMinFrequency && megahertz <= kMaxFrequency; // false for NaN
}

std::string FormatFrequency(double megahertz)
{
    char text[32];
    std::snprintf(text, sizeof text, "%09.5f", megahertz);
    return text;
}

std::string FormatDefaultFrequency(double megahertz)
{
    char text[32];
    std::snprintf(text, sizeof text, "%9.5f", megahertz);
    return text;
}

int LeadingInteger(const std::string& text)
{
    // atoi's reading, without its undefined overflow.
    long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}
