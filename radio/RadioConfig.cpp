#include "radio/RadioConfig.h"

#include "radio/ConfigFile.h"

namespace {

std::string WithoutLeadingBlank(const std::string& text)
{
    return !text.empty() && text[0] == ' ' ? text.substr(1) : text;
}

RadioListValue ListValueOf(const IRadioPanel& panel, RadioList list)
{
    return {panel.SelectedIndex(list), WithoutLeadingBlank(panel.ListText(list))};
}

std::string ChannelValue(const std::string& text)
{
    return FormatFrequency(FrequencyValue(text));
}

// For the link rate the rates the radio named count, not the offered item.
std::string RadioValue(const RadioConfig& radio, RadioList list)
{
    const bool named = list == RadioList::LinkBaud && !radio.linkRatesNamed.empty();
    return named ? radio.linkRatesNamed : radio.List(list).text;
}

} // namespace

const RadioListValue& RadioConfig::List(RadioList list) const
{
    static const RadioListValue none;
    switch (list) {
    case RadioList::Protocol:
        return protocol;
    case RadioList::CurrentChannel:
        return currentChannel;
    case RadioList::HighPower:
        return highPower;
    case RadioList::LowPower:
        return lowPower;
    case RadioList::PortBaud:
        return portBaud;
    case RadioList::LinkBaud:
        return linkBaud;
    case RadioList::ConnectionRate:
    case RadioList::ComPort:
        break;
    }
    return none;
}

RadioConfig SnapshotOf(const IRadioPanel& panel)
{
    RadioConfig config;
    for (int channel = 0; channel < kChannelCount; ++channel)
        config.channelFrequency[channel] = panel.ChannelText(channel);
    config.protocol = ListValueOf(panel, RadioList::Protocol);
    config.currentChannel = ListValueOf(panel, RadioList::CurrentChannel);
    config.portBaud = ListValueOf(panel, RadioList::PortBaud);
    config.linkBaud = ListValueOf(panel, RadioList::LinkBaud);
    config.highPower = ListValueOf(panel, RadioList::HighPower);
    config.lowPower = ListValueOf(panel, RadioList::LowPower);
    config.firmwareVersion = panel.FieldText(RadioField::Firmware);
    config.subFirmwareVersion = panel.FieldText(RadioField::SubFirmware);
    config.hardwareVersion = panel.FieldText(RadioField::Hardware);
    config.serialNumber = panel.FieldText(RadioField::SerialNumber);
    return config;
}

std::vector<VerifyMismatch> CompareConfigs(const RadioConfig& held, const RadioConfig& radio)
{
    std::vector<VerifyMismatch> mismatches;
    for (int channel = 0; channel < kChannelCount; ++channel) {
        const std::string heldValue = ChannelValue(held.channelFrequency[channel]);
        const std::string radioValue = ChannelValue(radio.channelFrequency[channel]);
        if (heldValue != radioValue)
            mismatches.push_back({CConfigFile::ChannelKey(channel), heldValue, radioValue, channel});
    }
    for (const LabelledList& entry : kExchangedLists) {
        const std::string& heldValue = held.List(entry.list).text;
        const std::string radioValue = RadioValue(radio, entry.list);
        if (heldValue != radioValue)
            mismatches.push_back({CConfigFile::ListKey(entry.list), heldValue, radioValue, -1, entry.label});
    }
    return mismatches;
}
