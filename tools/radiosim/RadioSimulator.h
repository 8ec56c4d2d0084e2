#pragma once

#include <string>

#include "BootLoader.h"
#include "CommandFramer.h"
#include "CommandHandler.h"
#include "RadioState.h"
#include "Scenario.h"

// The radio's side of the line: what it answers to each received command
// under the scenario in force. No I/O; the caller sends and sleeps.
class CRadioSimulator {
public:
    struct Response {
        std::string logLine;
        std::string bytes; // empty: no reply
        int delayMs = 0;
        // Logged once a reply held back on purpose has gone out, for tests
        // that must not start while it is still due.
        std::string sentLogLine;
        bool stateChanged = false;
        bool firmwareFinished = false;
    };

    CRadioSimulator(const RadioState& initial, const Scenario& defaults);

    // lineBaud is the rate the pc end of the line was set to when the item
    // arrived, 0 when unknown. A radio with a rate of its own does not
    // understand configuration commands sent at another rate.
    Response Respond(const CCommandFramer::Item& item, int lineBaud = 0);
    bool ExpectsPacket() const { return m_expectPacket; }

    // A control file's words replace the scenario; "reset" also restores the
    // radio's initial state. False when a word is not understood.
    bool ApplyControl(const std::string& text);

    const RadioState& State() const { return m_state; }
    const CBootLoader& Boot() const { return m_boot; }
    const Scenario& CurrentScenario() const { return m_scenario; }

private:
    bool Hears(const CCommandFramer::Item& item, int lineBaud) const;
    std::string Answer(const CCommandFramer::Item& item, Response& response);
    std::string Frame(const CCommandFramer::Item& item, const std::string& answer) const;
    bool IgnoresSet(const std::string& command) const;

    RadioState m_initial;
    RadioState m_state;
    Scenario m_defaults;
    Scenario m_scenario;
    CCommandHandler m_handler{m_state};
    CBootLoader m_boot;
    bool m_expectPacket = false;
};
