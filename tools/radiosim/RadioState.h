#pragma once

#include <array>
#include <string>

// What the simulated radio remembers, as the radio shows it.
struct RadioState {
    std::array<std::string, 10> channels{}; // index 0..9 as the tool numbers them
    int currentChannel = 1; // 1..10
    std::string protocol = "TRIMTALK";
    int portBaud = 9600;
    int linkBaud = 9600;
    std::string firmware = "V2.1.0";
    std::string subFirmware = "V1.0.3";
    std::string hardware = "H1.2";
    std::string serialNumber = "SN0012345";

    RadioState();
    // One key=value per line, for tests that look at what was written.
    std::string ToText() const;
};
