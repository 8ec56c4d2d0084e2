#pragma once

#include <array>
#include <string>

// The radio's value tables: the list item shown, the keyword the radio's
// reply holds and the code a set command carries.

constexpr int kChannelCount = 10;
constexpr double kMinFrequency = 410.0;
constexpr double kMaxFrequency = 470.0;

struct ValueEntry {
    const char* item;
    const char* keyword;
    int code;
};

extern const std::array<ValueEntry, 9> ProtocolTable;
extern const std::array<ValueEntry, 5> SerialBaudTable;
extern const std::array<ValueEntry, 3> LinkBaudTable;
extern const std::array<const char*, 3> HighPowerTable;
extern const std::array<const char*, 3> LowPowerTable;
extern const std::array<double, kChannelCount> DefaultFrequencies;

// The link rates offered for one protocol, and the position selected when the
// protocol is chosen.
struct LinkRateOffer {
    std::array<const char*, 3> items;
    int count;
    int selected;
};
extern const std::array<LinkRateOffer, 9> ProtocolLinkRates;

constexpr int kConnectionRateDefaultIndex = 2; // " 38400"

// Reply matching; -1 when nothing matches.
int MatchProtocol(const std::string& reply);
int MatchSerialBaud(const std::string& reply);
// " 4800", " 9600", " 19200" for each rate the reply mentions, in that order.
std::string CollectLinkRates(const std::string& reply);
// Index into the current channel list from a "current channel N" reply.
int CurrentChannelIndexFromReply(const std::string& reply);

// Codes for the set commands.
int ProtocolCode(int protocolIndex);
int LinkBaudCode(const std::string& itemText);

// Frequencies: the leading decimal number as atof reads it, and its range.
double FrequencyValue(const std::string& text);
bool IsValidFrequency(double megahertz);
// "%09.5f" and "%9.5f" forms.
std::string FormatFrequency(double megahertz);
std::string FormatDefaultFrequency(double megahertz);

// The leading integer of a text as atoi reads it.
int LeadingInteger(const std::string& text);
