#pragma once

#include <string>

#include "radio/RadioPanel.h"
#include "radio/RadioResult.h"

// Saving the panel's parameters to a ".cfg" file of sixteen "key,value"
// lines, and loading such a file back. Neither talks to the radio.
class CConfigFile {
public:
    // Longest piece of a line taken at once; longer lines come in pieces.
    static constexpr std::size_t kMaxPieceLength = 254;

    explicit CConfigFile(IRadioPanel& panel);

    RadioResult ExportConfig();
    RadioResult ImportConfig();

    // The chosen name with ".cfg" appended where it lacks it.
    static std::string ExportFileName(const std::string& chosen);
    // The keys a file names the values by: "Channel3", "ProtocolType", ...
    static std::string ChannelKey(int channel);
    static std::string ListKey(RadioList list);
    std::string FormatConfig() const;
    // Applies every line of a file's text, as ImportConfig does.
    void ApplyConfig(const std::string& content);
    void ApplyLine(const std::string& line);

private:
    IRadioPanel& m_panel;
};
