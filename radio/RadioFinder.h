#pragma once

#include <functional>
#include <vector>

#include "radio/RadioLink.h"

// A COM port and the rate the radio answered at there.
struct RadioLocation {
    int port = 0;
    int baud = 0;
};

// Finds a radio whose port and rate are not known: every port at every rate
// of SerialBaudTable gets "control\r" until a reply holds "into config"; the
// radio found then gets "exitcnt\r", so that it is left as it was found.
class CRadioFinder {
public:
    // Called before each try with its place, its number from 0 and the number
    // of tries in all; returning false ends the search unsuccessfully.
    using Progress = std::function<bool(const RadioLocation& trying, int attempt, int attempts)>;

    explicit CRadioFinder(CRadioLink& link);

    static int AttemptCount(std::size_t portCount);
    // The place of a try: the ports in their order, each at the rates in theirs.
    static RadioLocation Place(const std::vector<int>& ports, int attempt);
    // True with the radio's place in found; the port is closed either way.
    bool Find(const std::vector<int>& ports, RadioLocation& found, const Progress& progress = Progress());

private:
    bool Answers(const RadioLocation& place);

    CRadioLink& m_link;
};
