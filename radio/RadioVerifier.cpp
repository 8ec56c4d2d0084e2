#include "radio/RadioVerifier.h"

#include "radio/MemoryRadioPanel.h"
#include "radio/RadioOperations.h"
#include "radio/RadioTexts.h"

namespace {

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
    return text;
}

} // namespace

CRadioVerifier::CRadioVerifier(IRadioPanel& panel, CRadioLink& link, VerifySource source)
    : m_panel(panel)
    , m_link(link)
    , m_source(source)
{}

RadioResult CRadioVerifier::Verify()
{
    m_differences.clear();
    const RadioResult read = ReadRadio();
    RadioResult result{RadioCommand::Verify};
    if (read.success) result.differences = CompareConfigs(SnapshotOf(m_panel), read.config);
    for (const VerifyMismatch& mismatch : result.differences) m_differences.push_back(Line(mismatch));
    result.success = read.success && m_differences.empty();
    m_link.ShowOperationResult(result.success, RadioCommand::Verify);
    if (!m_differences.empty())
        m_panel.ShowReport(Joined(m_differences), RadioTexts::OperationStatus(m_panel, RadioCommand::Verify, false));
    return result;
}

// The read's own steps, with the port and rate the panel selects, into a
// scratch copy, leaving the panel's values alone.
RadioResult CRadioVerifier::ReadRadio()
{
    CMemoryRadioPanel radio;
    radio.SetChinese(m_panel.IsChinese());
    CRadioOperations reader(radio, m_link);
    radio.OnProtocolSelected([&reader](int protocol) { reader.OfferLinkRates(protocol); });
    reader.FillValueLists();
    return reader.ReadFromRadio();
}

std::string CRadioVerifier::Line(const VerifyMismatch& mismatch) const
{
    const bool chinese = m_panel.IsChinese();
    const std::string name =
        mismatch.channel >= 0 ? RadioTexts::ChannelName(chinese, mismatch.channel) : m_panel.LabelText(mismatch.label);
    return RadioTexts::Difference(chinese, m_source == VerifySource::File, name, mismatch.held, mismatch.radio);
}
