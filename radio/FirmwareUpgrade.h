#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>

#include "radio/RadioLink.h"
#include "radio/RadioResult.h"
#include "radio/UpgradeReporter.h"

// Replaces the radio's firmware from a firmware file through its boot
// loader at 115200 baud. Runs on the upgrade thread; everything the operator
// sees goes through the reporter.
class CFirmwareUpgrade {
public:
    explicit CFirmwareUpgrade(CRadioLink& link, IUpgradeReporter& reporter);

    // Chooses the file, sends it page by page and reports the outcome. A
    // cancelled choice does nothing at all. The port is closed before the
    // outcome is reported.
    RadioResult UpgradeFirmware();

private:
    bool Transfer(const std::string& path, int portNumber);
    bool SendPages(std::ifstream& file, std::uint64_t fileSize);
    bool SendPage(std::ifstream& file, std::uint64_t index);
    bool Exchange(const void* bytes, std::size_t length, const char* expected);

    CRadioLink& m_link;
    IUpgradeReporter& m_reporter;
};
