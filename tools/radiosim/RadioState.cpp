#include "RadioState.h"

#include <cstdio>

RadioState::RadioState()
{
    for (std::size_t i = 0; i < channels.size(); ++i) {
        char text[16];
        std::snprintf(text, sizeof text, "%.5f", 411.125 + static_cast<double>(i));
        channels[i] = text;
    }
}

std::string RadioState::ToText() const
{
    std::string text;
    for (std::size_t i = 0; i < channels.size(); ++i) text += "channel" + std::to_string(i) + "=" + channels[i] + "\n";
    text += "current=" + std::to_string(currentChannel) + "\n";
    text += "protocol=" + protocol + "\n";
    text += "port-baud=" + std::to_string(portBaud) + "\n";
    text += "link-baud=" + std::to_string(linkBaud) + "\n";
    text += "firmware=" + firmware + "\n";
    text += "subfirmware=" + subFirmware + "\n";
    text += "hardware=" + hardware + "\n";
    text += "serial=" + serialNumber + "\n";
    return text;
}
