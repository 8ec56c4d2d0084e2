#include "radio/RadioVerifier.h"

#include "radio/ConfigFile.h"
#include "radio/MemoryRadioPanel.h"
#include "radio/RadioOperations.h"
#include "radio/RadioTables.h"
#include "radio/RadioTexts.h"

namespace {

// Item texts start with a blank; the values are compared and shown without it.
std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

// What the read found. A list without a selection may still hold the radio's
// word in its own text (" UNKNOW"). For the link rate the rates the radio
// named count: the read keeps an offered item selected even when the radio
// names a rate the protocol does not offer.
std::string RadioValue(const CMemoryRadioPanel& radio, RadioList list)
{
    const CListModel& model = radio.List(list);
    const bool named = list == RadioList::LinkBaud ? !model.OwnText().empty() : model.Selected() < 0;
    return Trimmed(named ? model.OwnText() : model.Text());
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\n") + line;
    return text;
}

}  // namespace

CRadioVerifier::CRadioVerifier(IRadioPanel& panel, CRadioLink& link, VerifySource source)
    : m_panel(panel),
      m_link(link),
      m_source(source)
{
}

bool CRadioVerifier::Verify()
{
    m_differences.clear();
    m_mismatches.clear();
    CMemoryRadioPanel radio;
    const bool read = ReadRadio(radio);
    if (read) {
        CompareChannels(radio);
        CompareLists(radio);
    }
    const bool same = read && m_differences.empty();
    m_link.ShowOperationResult(same, RadioCommand::Verify);
    if (!m_differences.empty())
        m_panel.ShowReport(Joined(m_differences), RadioTexts::OperationStatus(m_panel, RadioCommand::Verify, false));
    return same;
}

// The read's own steps, with the port and rate the panel selects, into the copy.
bool CRadioVerifier::ReadRadio(CMemoryRadioPanel& radio)
{
    radio.SetChinese(m_panel.IsChinese());
    CRadioOperations reader(radio, m_link);
    radio.OnProtocolSelected([&reader](int protocol) { reader.OfferLinkRates(protocol); });
    reader.FillValueLists();
    return reader.ReadFromRadio();
}

// To the five decimals a channel is written and shown with.
void CRadioVerifier::CompareChannels(const CMemoryRadioPanel& radio)
{
    for (int channel = 0; channel < kChannelCount; ++channel) {
        const std::string panelValue = FormatFrequency(FrequencyValue(m_panel.ChannelText(channel)));
        const std::string radioValue = FormatFrequency(FrequencyValue(radio.ChannelText(channel)));
        if (panelValue != radioValue)
            AddDifference(RadioTexts::ChannelName(m_panel.IsChinese(), channel), CConfigFile::ChannelKey(channel),
                          panelValue, radioValue);
    }
}

void CRadioVerifier::CompareLists(const CMemoryRadioPanel& radio)
{
    for (const LabelledList& entry : kExchangedLists) {
        const std::string panelValue = Trimmed(m_panel.ListText(entry.list));
        const std::string radioValue = RadioValue(radio, entry.list);
        if (panelValue != radioValue)
            AddDifference(m_panel.LabelText(entry.label), CConfigFile::ListKey(entry.list), panelValue, radioValue);
    }
}

void CRadioVerifier::AddDifference(const std::string& name, const std::string& key, const std::string& panelValue,
                                   const std::string& radioValue)
{
    m_mismatches.push_back({key, panelValue, radioValue});
    m_differences.push_back(
        RadioTexts::Difference(m_panel.IsChinese(), m_source == VerifySource::File, name, panelValue, radioValue));
}
