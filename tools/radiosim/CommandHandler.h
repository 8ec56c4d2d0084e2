#pragma once

#include <string>

#include "RadioState.h"

// The radio's answers to its configuration commands. Pure: no I/O.
class CCommandHandler {
public:
    explicit CCommandHandler(RadioState& state)
        : m_state(state)
    {}

    // The reply text (without the surrounding CR LF) to one command line
    // given without its CR; sets changed when the state was modified.
    std::string Handle(const std::string& command, bool& changed);

private:
    std::string Query(const std::string& command) const;
    std::string Set(const std::string& name, const std::string& value, bool& changed);

    RadioState& m_state;
};

// Protocol names by their set-command code 1..8; empty for other codes.
std::string ProtocolName(int code);
