#include "RadioSimulator.h"

#include "CommandLog.h"

CRadioSimulator::CRadioSimulator(const RadioState& initial, const Scenario& defaults)
    : m_initial(initial)
    , m_state(initial)
    , m_defaults(defaults)
    , m_scenario(defaults)
{}

CRadioSimulator::Response CRadioSimulator::Respond(const CCommandFramer::Item& item, int lineBaud)
{
    Response response;
    response.logLine = EscapeForLog(item.raw);
    if (!Hears(item, lineBaud)) {
        response.logLine = "<at " + std::to_string(lineBaud) + " baud> " + response.logLine;
        return response;
    }
    std::string answer = Answer(item, response);
    if (m_scenario.silent || answer.empty()) return response;
    std::string word = item.packet ? "" : item.text.substr(0, item.text.find(' '));
    if (m_scenario.noReply.count(word)) return response;
    if (m_scenario.wrongReply.count(word)) answer = "busy";
    response.bytes = Frame(item, answer);
    response.delayMs = m_scenario.slowMs;
    if (m_scenario.baud > 0)
        response.delayMs += static_cast<int>((item.raw.size() + response.bytes.size()) * 10 * 1000 / m_scenario.baud);
    if (m_scenario.strayLine) response.bytes += "\r\nOK\r\n";
    if (m_scenario.slowMs > 0) response.sentLogLine = "<reply sent after " + std::to_string(response.delayMs) + " ms>";
    return response;
}

// The boot loader's words are heard at any rate: upgrades always run at 115200.
bool CRadioSimulator::Hears(const CCommandFramer::Item& item, int lineBaud) const
{
    if (m_scenario.baud == 0 || lineBaud == 0 || lineBaud == m_scenario.baud) return true;
    return item.packet || item.text == "boot_start" || item.text == "write page" || item.text == "ISP finish";
}

std::string CRadioSimulator::Answer(const CCommandFramer::Item& item, Response& response)
{
    if (item.packet) {
        m_expectPacket = false;
        bool valid = CBootLoader::IsChecksumValid(item.text);
        response.logLine =
            "<page " + std::to_string(m_boot.PagesTaken() + 1) + " 258 bytes checksum " + (valid ? "ok" : "bad") + ">";
        return m_boot.TakePage(item.text, m_scenario.bootFailPage);
    }
    if (item.text == "boot_start") {
        m_boot.Restart();
        return "boot start";
    }
    if (item.text == "write page") {
        m_expectPacket = true;
        return "get page";
    }
    if (item.text == "ISP finish") {
        response.firmwareFinished = true;
        return "";
    }
    if (item.text == "cfg_prtl" && m_scenario.unknownProtocol) return "protocol UNKNOW";
    if (IgnoresSet(item.text)) return "OK";
    return m_handler.Handle(item.text, response.stateChanged);
}

bool CRadioSimulator::IgnoresSet(const std::string& command) const
{
    const std::size_t blank = command.find(' ');
    return blank != std::string::npos && m_scenario.ignoreSet.count(command.substr(0, blank)) > 0;
}

std::string CRadioSimulator::Frame(const CCommandFramer::Item& item, const std::string& answer) const
{
    std::string bytes = m_scenario.echo ? item.raw : "";
    if (m_scenario.garbage) {
        for (int c = 0x80; c <= 0xff; ++c) bytes += static_cast<char>(c);
        return bytes + "\r\n";
    }
    if (m_scenario.ack) return bytes + "\r\n" + answer + "ACK";
    return bytes + "\r\n" + answer + "\r\n";
}

bool CRadioSimulator::ApplyControl(const std::string& text)
{
    m_scenario = m_defaults;
    std::vector<std::string> words = ControlWords(text);
    bool understood = true;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] == "reset")
            m_state = m_initial;
        else if (!ParseScenarioOption(words, i, m_scenario))
            understood = false;
    }
    return understood;
}
