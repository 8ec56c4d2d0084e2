#pragma once

#include <vector>

#include "radio/RadioConfig.h"
#include "radio/RadioPanel.h"

// What a radio command came to, as its status shows it, with what it found:
// a read's parameters, a verify's differences. A cancelled file choice is no
// success.
struct RadioResult {
    RadioCommand command = RadioCommand::Connect;
    bool success = false;
    RadioConfig config{};
    std::vector<VerifyMismatch> differences{};
};
