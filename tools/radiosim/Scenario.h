#pragma once

#include <set>
#include <string>
#include <vector>

// The faults the simulated radio can play.
struct Scenario {
    bool silent = false;
    std::set<std::string> noReply;
    std::set<std::string> wrongReply;
    std::set<std::string> ignoreSet; // acknowledged with OK, not applied
    bool echo = false;
    int slowMs = 0;
    bool garbage = false;
    bool ack = false;
    bool unknownProtocol = false;
    bool strayLine = false; // one more line after each reply, in the same burst
    int bootFailPage = 0; // counted from 1; 0 for none
    // The radio's own line rate: replies take as long as at this rate, and
    // configuration commands sent at another rate are not understood.
    // 0: any rate, as fast as the line allows.
    int baud = 0;
};

// Reads the scenario option at words[i] (and its value), advancing i past
// it. False when words[i] is no scenario option or its value is missing.
bool ParseScenarioOption(const std::vector<std::string>& words, std::size_t& i, Scenario& scenario);

// The whitespace-separated words of a control file, without # comments.
std::vector<std::string> ControlWords(const std::string& text);
