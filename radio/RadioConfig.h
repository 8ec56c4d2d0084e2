#pragma once

#include <array>
#include <string>
#include <vector>

#include "radio/RadioPanel.h"
#include "radio/RadioTables.h"

// A list parameter: the selected item, -1 for none, and the value shown, the
// item's text without its leading blank or, with none selected, the word the
// radio answered in its place ("UNKNOW"), empty for none.
struct RadioListValue {
    int index = -1;
    std::string text;
};

// The radio's parameters as one plain value, as the window's controls hold
// them. The unlock marks stay with the operations, whose next write uses them.
struct RadioConfig {
    std::array<std::string, kChannelCount> channelFrequency;
    RadioListValue protocol;
    RadioListValue currentChannel;
    RadioListValue portBaud;
    RadioListValue linkBaud;
    RadioListValue highPower;
    RadioListValue lowPower;
    // The rates the radio's reply named ("9600"); only a read fills it, since
    // the offered list may lack them.
    std::string linkRatesNamed;
    std::string firmwareVersion;
    std::string subFirmwareVersion;
    std::string hardwareVersion;
    std::string serialNumber;

    // The lists of the parameters; the port and connection rate have none.
    const RadioListValue& List(RadioList list) const;
};

// The panel's parameters now.
RadioConfig SnapshotOf(const IRadioPanel& panel);

// One value the radio holds otherwise: its ".cfg" key, a channel number (-1
// for a list) or the list's label, the held value and the radio's, empty for none.
struct VerifyMismatch {
    std::string key;
    std::string held;
    std::string radio;
    int channel = -1;
    RadioLabel label = RadioLabel::Protocol;
};

// What Verify finds between held values and a read radio's: the channels to
// the five decimals they are written with, then the lists a write sends.
std::vector<VerifyMismatch> CompareConfigs(const RadioConfig& held, const RadioConfig& radio);
