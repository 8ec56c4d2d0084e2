#include "radio/ConfigFile.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

#include "radio/FilePath.h"
#include "radio/FileReplace.h"
#include "radio/ProtocolSelection.h"
#include "radio/RadioTables.h"
#include "radio/RadioTexts.h"

namespace {

constexpr std::size_t kNameLimit = 250;

struct ListKeyEntry {
    const char* key;
    RadioList list;
};

// After the ten channel keys, in the order the reader tries them.
const ListKeyEntry kListKeys[] = {
    {"ProtocolType", RadioList::Protocol}, {"CurrentChannel", RadioList::CurrentChannel},
    {"PortBaudRate", RadioList::PortBaud}, {"LinkBaudRate", RadioList::LinkBaud},
    {"HighPower", RadioList::HighPower},   {"LowPower", RadioList::LowPower},
};

std::vector<std::string> SplitAtCommas(const std::string& line)
{
    std::vector<std::string> pieces(1);
    for (char c : line) {
        if (c == ',')
            pieces.emplace_back();
        else
            pieces.back() += c;
    }
    if (pieces.back().empty()) pieces.pop_back();
    return pieces;
}

std::string WithoutLineBreaks(const std::string& text)
{
    std::string kept;
    for (char c : text) {
        if (c != '\r' && c != '\n') kept += c;
    }
    return kept;
}

bool HasSuffix(const std::string& text, const char* suffix)
{
    std::string tail(suffix);
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

CConfigFile::CConfigFile(IRadioPanel& panel)
    : m_panel(panel)
{}

std::string CConfigFile::ExportFileName(const std::string& chosen)
{
    bool named = chosen.size() >= 5 && HasSuffix(chosen, ".cfg");
    return named || FileNameUnits(chosen) >= kNameLimit ? chosen : chosen + ".cfg";
}

std::string CConfigFile::ChannelKey(int channel)
{
    return "Channel" + std::to_string(channel);
}

std::string CConfigFile::ListKey(RadioList list)
{
    for (const ListKeyEntry& entry : kListKeys) {
        if (entry.list == list) return entry.key;
    }
    return std::string();
}

std::string CConfigFile::FormatConfig() const
{
    std::string text;
    for (int channel = 0; channel < kChannelCount; ++channel)
        text += ChannelKey(channel) + "," + m_panel.ChannelText(channel) + "\r\n";
    for (const ListKeyEntry& entry : kListKeys)
        text += std::string(entry.key) + "," + std::to_string(m_panel.SelectedIndex(entry.list)) + "\r\n";
    return text;
}

void CConfigFile::ApplyLine(const std::string& line)
{
    std::vector<std::string> pieces = SplitAtCommas(line);
    if (pieces.size() < 2) return;
    const std::string& key = pieces[0];
    const std::string value = WithoutLineBreaks(pieces[1]);
    for (int channel = 0; channel < kChannelCount; ++channel) {
        if (key.find(ChannelKey(channel)) != std::string::npos) {
            m_panel.SetChannelText(channel, value);
            return;
        }
    }
    for (const ListKeyEntry& entry : kListKeys) {
        if (key.find(entry.key) == std::string::npos) continue;
        if (entry.list == RadioList::Protocol)
            SelectProtocol(m_panel, LeadingInteger(value));
        else
            m_panel.SelectListItem(entry.list, LeadingInteger(value));
        return;
    }
}

// Lines may end in CR, LF or both; a blank piece between them is no line.
void CConfigFile::ApplyConfig(const std::string& content)
{
    std::string piece;
    for (char c : content) {
        if (c == '\r' || c == '\n') {
            if (!piece.empty()) ApplyLine(piece);
            piece.clear();
            continue;
        }
        piece += c;
        if (piece.size() == kMaxPieceLength) {
            ApplyLine(piece);
            piece.clear();
        }
    }
    if (!piece.empty()) ApplyLine(piece);
}

RadioResult CConfigFile::ExportConfig()
{
    std::string chosen;
    if (!m_panel.ChooseFile(chosen, RadioTexts::ExportConfigDialog(m_panel.IsChinese())))
        return {RadioCommand::ExportConfig};
    bool saved = ReplaceFileContents(ExportFileName(chosen), FormatConfig());
    m_panel.ShowResult(RadioCommand::ExportConfig, saved);
    return {RadioCommand::ExportConfig, saved};
}

RadioResult CConfigFile::ImportConfig()
{
    std::string chosen;
    if (!m_panel.ChooseFile(chosen, RadioTexts::ImportConfigDialog(m_panel.IsChinese())))
        return {RadioCommand::ImportConfig};
    std::ifstream file(FilePath(chosen), std::ios::binary);
    m_panel.ShowResult(RadioCommand::ImportConfig, file.is_open());
    if (!file.is_open()) return {RadioCommand::ImportConfig};
    std::ostringstream content;
    content << file.rdbuf();
    ApplyConfig(content.str());
    return {RadioCommand::ImportConfig, true};
}
