#pragma once

#include <string>
#include <vector>

#include "radio/RadioLink.h"
#include "radio/RadioPanel.h"

class CMemoryRadioPanel;

// One value the radio holds otherwise: its ".cfg" key, the value the panel
// (or file) holds and the radio's, without leading blanks; empty for none.
struct VerifyMismatch {
    std::string key;
    std::string held;
    std::string radio;
};

// Where the compared values come from, as the differences name it.
enum class VerifySource { Window, File };

// The Verify command: reads the radio into a scratch copy, leaving the
// panel's values alone, and compares the copy with what the panel holds.
class CRadioVerifier {
public:
    CRadioVerifier(IRadioPanel& panel, CRadioLink& link, VerifySource source = VerifySource::Window);

    // True when the radio was read and holds the panel's values. The status
    // shows the result; the differences, if any, are reported in one box.
    bool Verify();
    // The last Verify's differences, one line each, in the panel's language.
    const std::vector<std::string>& Differences() const { return m_differences; }
    // The same differences as values.
    const std::vector<VerifyMismatch>& Mismatches() const { return m_mismatches; }

private:
    bool ReadRadio(CMemoryRadioPanel& radio);
    void CompareChannels(const CMemoryRadioPanel& radio);
    void CompareLists(const CMemoryRadioPanel& radio);
    void AddDifference(const std::string& name, const std::string& key, const std::string& panelValue,
                       const std::string& radioValue);

    IRadioPanel& m_panel;
    CRadioLink& m_link;
    VerifySource m_source;
    std::vector<std::string> m_differences;
    std::vector<VerifyMismatch> m_mismatches;
};
