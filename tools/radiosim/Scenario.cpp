#include "Scenario.h"

#include <cstdlib>
#include <sstream>

namespace {

bool TakeValue(const std::vector<std::string>& words, std::size_t& i, std::string& value)
{
    if (i + 1 >= words.size()) return false;
    value = words[++i];
    return true;
}

bool TakeNumber(const std::vector<std::string>& words, std::size_t& i, int& number)
{
    std::string value;
    if (!TakeValue(words, i, value)) return false;
    number = std::atoi(value.c_str());
    return number >= 0;
}

} // namespace

bool ParseScenarioOption(const std::vector<std::string>& words, std::size_t& i, Scenario& scenario)
{
    const std::string& name = words[i];
    std::string value;
    if (name == "--silent")
        scenario.silent = true;
    else if (name == "--echo")
        scenario.echo = true;
    else if (name == "--garbage")
        scenario.garbage = true;
    else if (name == "--ack")
        scenario.ack = true;
    else if (name == "--unknown-protocol")
        scenario.unknownProtocol = true;
    else if (name == "--stray-line")
        scenario.strayLine = true;
    else if (name == "--no-reply" && TakeValue(words, i, value))
        scenario.noReply.insert(value);
    else if (name == "--wrong-reply" && TakeValue(words, i, value))
        scenario.wrongReply.insert(value);
    else if (name == "--ignore-set" && TakeValue(words, i, value))
        scenario.ignoreSet.insert(value);
    else if (name == "--slow")
        return TakeNumber(words, i, scenario.slowMs);
    else if (name == "--boot-fail")
        return TakeNumber(words, i, scenario.bootFailPage);
    else if (name == "--baud")
        return TakeNumber(words, i, scenario.baud);
    else
        return false;
    return true;
}

std::vector<std::string> ControlWords(const std::string& text)
{
    std::vector<std::string> words;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream parts(line.substr(0, line.find('#')));
        for (std::string word; parts >> word;) words.push_back(word);
    }
    return words;
}
