#pragma once

#include <string>
#include <vector>

#include "radio/RadioLink.h"
#include "radio/RadioPanel.h"
#include "radio/RadioResult.h"

// Where the compared values come from, as the differences name it.
enum class VerifySource { Window, File };

// The Verify command: reads the radio into a scratch copy, leaving the
// panel's values alone, and compares the copy with what the panel holds.
class CRadioVerifier {
public:
    CRadioVerifier(IRadioPanel& panel, CRadioLink& link, VerifySource source = VerifySource::Window);

    // Succeeds when the radio was read and holds the panel's values; the
    // result holds the differences. The status shows the result; the
    // differences, if any, are reported in one box.
    RadioResult Verify();
    // The last Verify's differences, one line each, in the panel's language.
    const std::vector<std::string>& Differences() const { return m_differences; }

private:
    RadioResult ReadRadio();
    std::string Line(const VerifyMismatch& mismatch) const;

    IRadioPanel& m_panel;
    CRadioLink& m_link;
    VerifySource m_source;
    std::vector<std::string> m_differences;
};
