#include "radio/RadioOperations.h"

#include <chrono>
#include <cstdio>
#include <thread>

#include "radio/ProtocolSelection.h"
#include "radio/RadioTables.h"
#include "radio/RadioTexts.h"

namespace {

template <std::size_t N> std::vector<std::string> ItemsOf(const std::array<ValueEntry, N>& table)
{
    std::vector<std::string> items;
    for (const ValueEntry& entry : table) items.push_back(entry.item);
    return items;
}

template <std::size_t N> std::vector<std::string> ItemsOf(const std::array<const char*, N>& table)
{
    return std::vector<std::string>(table.begin(), table.end());
}

std::string Formatted(const char* format, int number)
{
    char text[32];
    std::snprintf(text, sizeof text, format, number);
    return text;
}

bool IsBlank(const std::string& text)
{
    return text.find_first_not_of(' ') == std::string::npos;
}

} // namespace

CRadioOperations::CRadioOperations(IRadioPanel& panel, CRadioLink& link)
    : m_panel(panel)
    , m_link(link)
{}

void CRadioOperations::ShowError(const std::string& message)
{
    m_panel.ShowError(message, RadioTexts::ErrorCaption(m_panel.IsChinese()));
}

// ---- value lists and frequency checks ----

void CRadioOperations::FillList(RadioList list, const std::vector<std::string>& items)
{
    m_panel.ClearList(list);
    for (const std::string& item : items) m_panel.AddListItem(list, item);
}

void CRadioOperations::FillValueLists()
{
    std::vector<std::string> channels;
    for (int number = 1; number <= kChannelCount; ++number)
        channels.push_back(RadioTexts::CurrentChannelItem(m_panel.IsChinese(), number));

    FillList(RadioList::Protocol, ItemsOf(ProtocolTable));
    FillList(RadioList::CurrentChannel, channels);
    FillList(RadioList::HighPower, ItemsOf(HighPowerTable));
    FillList(RadioList::LowPower, ItemsOf(LowPowerTable));
    FillList(RadioList::ConnectionRate, ItemsOf(SerialBaudTable));
    m_panel.SelectListItem(RadioList::ConnectionRate, kConnectionRateDefaultIndex);
    FillList(RadioList::PortBaud, ItemsOf(SerialBaudTable));
    FillList(RadioList::LinkBaud, ItemsOf(LinkBaudTable));
    m_panel.ShowUnlockButtons();
}

void CRadioOperations::OfferLinkRates(int protocolIndex)
{
    ::OfferLinkRates(m_panel, protocolIndex);
}

void CRadioOperations::FillDefaultFrequencies()
{
    for (int channel = 0; channel < kChannelCount; ++channel)
        m_panel.SetChannelText(channel, FormatDefaultFrequency(DefaultFrequencies[channel]));
}

bool CRadioOperations::CheckChannelField(int channel)
{
    std::string text = m_panel.ChannelText(channel);
    if (IsBlank(text)) return true;
    double value = FrequencyValue(text);
    if (IsValidFrequency(value)) {
        m_panel.SetChannelText(channel, FormatFrequency(value));
        return true;
    }
    ShowError(RadioTexts::ChannelInvalid(m_panel.IsChinese(), channel));
    m_panel.FocusChannel(channel);
    return false;
}

bool CRadioOperations::CheckNotEmpty(const std::string& text, RadioLabel label)
{
    if (!text.empty()) return true;
    ShowError(m_panel.LabelText(label) + RadioTexts::InvalidSuffix(m_panel.IsChinese()));
    return false;
}

void CRadioOperations::UnlockField(RadioField field)
{
    m_panel.SetFieldEnabled(field, true);
    if (field == RadioField::SerialNumber)
        m_serialNumberUnlocked = true;
    else if (field == RadioField::Hardware)
        m_hardwareVersionUnlocked = true;
}

bool CRadioOperations::IsUnlocked(RadioField field) const
{
    return field == RadioField::SerialNumber ? m_serialNumberUnlocked
           : field == RadioField::Hardware   ? m_hardwareVersionUnlocked
                                             : false;
}

// ---- connect and disconnect ----

RadioResult CRadioOperations::Exchange(const char* command, RadioCommand reportAs, const char* expected)
{
    bool ok = m_link.OpenRadioPort(false) && m_link.SendCommand(command) && m_link.ReplyContains(expected);
    m_link.ShowOperationResult(ok, reportAs);
    return {reportAs, ok};
}

RadioResult CRadioOperations::EnterConfigMode()
{
    return Exchange("control\r", RadioCommand::Connect, "into config");
}

RadioResult CRadioOperations::LeaveConfigMode()
{
    return Exchange("exitcnt\r", RadioCommand::Disconnect, "exit config");
}

// ---- read ----

RadioResult CRadioOperations::ReadAllParameters()
{
    RadioResult result = ReadFromRadio();
    m_link.ShowOperationResult(result.success, RadioCommand::Read);
    return result;
}

RadioResult CRadioOperations::ReadFromRadio()
{
    RadioConfig found;
    bool ok = m_link.OpenRadioPort(false) && ReadCurrentChannel();
    ok = ok && ReadProtocol(found);
    ok = ok && ReadPortBaud();
    ok = ReadLinkBaud(ok, found);
    ok = ok && ReadText("cfg_firm\r", RadioField::Firmware);
    ok = ok && ReadText("cfg_hard\r", RadioField::Hardware);
    ok = ok && ReadText("cfg_sern\r", RadioField::SerialNumber);
    CutIdentityFields();
    bool done = ok && ReadText("SREV\r", RadioField::SubFirmware);
    for (int channel = 0; channel < kChannelCount && done; ++channel) done = ReadChannel(channel);
    return {RadioCommand::Read, done, ReadConfig(found)};
}

// The panel's values, with the radio's own words where no item is selected.
RadioConfig CRadioOperations::ReadConfig(const RadioConfig& found) const
{
    RadioConfig config = SnapshotOf(m_panel);
    if (config.protocol.index < 0) config.protocol.text = found.protocol.text;
    if (config.linkBaud.index < 0) config.linkBaud.text = found.linkRatesNamed;
    config.linkRatesNamed = found.linkRatesNamed;
    return config;
}

// A reply holding a NUL byte is malformed: a control would show its text cut there.
bool CRadioOperations::Query(const std::string& command)
{
    return m_link.SendCommand(command) && !m_link.ReplyHoldsNul();
}

bool CRadioOperations::ReadCurrentChannel()
{
    if (!Query("cfg_ch_n\r") || !m_link.ReplyContains("current channel")) return false;
    m_panel.SelectListItem(RadioList::CurrentChannel, CurrentChannelIndexFromReply(m_link.Reply()));
    return true;
}

bool CRadioOperations::ReadProtocol(RadioConfig& found)
{
    const int protocol = Query("cfg_prtl\r") ? MatchProtocol(m_link.Reply()) : -1;
    if (protocol >= 0) SelectProtocol(m_panel, protocol);
    // A radio that does not know its protocol still answers the rest; only
    // this reply is searched for it.
    if (!m_link.ReplyContains("KNOW")) return protocol >= 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    m_panel.SetListOwnText(RadioList::Protocol, " UNKNOW");
    found.protocol.text = "UNKNOW";
    return true;
}

bool CRadioOperations::ReadPortBaud()
{
    if (!Query("cfg_sbau\r")) return false;
    int rate = MatchSerialBaud(m_link.Reply());
    if (rate < 0) return false;
    m_panel.SelectListItem(RadioList::PortBaud, rate);
    return true;
}

bool CRadioOperations::ReadLinkBaud(bool ok, RadioConfig& found)
{
    if (ok && Query("cfg_baud\r")) {
        const std::string rates = CollectLinkRates(m_link.Reply());
        m_panel.SetListOwnText(RadioList::LinkBaud, rates);
        found.linkRatesNamed = rates.empty() ? rates : rates.substr(1);
        // The offered list is the protocol's; past its end the last item stays.
        for (int attempt = 0; attempt < 5; ++attempt) {
            m_panel.SelectListItem(RadioList::LinkBaud, attempt);
            if (rates.find(m_panel.ListText(RadioList::LinkBaud)) != std::string::npos) break;
        }
        return !rates.empty();
    }
    m_panel.ClearList(RadioList::LinkBaud);
    m_panel.AddListItem(RadioList::LinkBaud, "UNKNOW");
    if (m_link.ReplyContains("UNKNOW")) m_panel.SelectListItem(RadioList::LinkBaud, 1);
    // Only the link rate's own silence is forgiven; an earlier failed step
    // must not turn into a successful read.
    return ok;
}

bool CRadioOperations::ReadText(const char* command, RadioField field)
{
    if (!Query(command)) return false;
    m_panel.SetFieldText(field, m_link.ReplyText());
    return true;
}

void CRadioOperations::CutIdentityFields()
{
    m_panel.SetFieldText(RadioField::SerialNumber, m_panel.FieldText(RadioField::SerialNumber).substr(0, 9));
    m_panel.SetFieldText(RadioField::Hardware, m_panel.FieldText(RadioField::Hardware).substr(0, 4));
}

bool CRadioOperations::ReadChannel(int channel)
{
    const char digit = static_cast<char>('0' + channel);
    if (!Query(std::string("cfg_ch_") + digit + '\r')) return false;
    const std::string& reply = m_link.Reply();
    std::size_t found = reply.find(std::string(1, digit) + ' ');
    if (found == std::string::npos) return false;
    m_panel.SetChannelText(channel, reply.substr(found + 2));
    return true;
}

// ---- write ----

RadioResult CRadioOperations::WriteParameters()
{
    std::vector<std::string> commands;
    bool ok = CheckWriteValues() && BuildWriteCommands(commands) && m_link.OpenRadioPort(false);
    for (const std::string& command : commands) {
        if (!ok) break;
        ok = m_link.SendExpectOk(command);
    }
    LockIdentityFields();
    m_link.ShowOperationResult(ok, RadioCommand::Write);
    return {RadioCommand::Write, ok};
}

bool CRadioOperations::CheckWriteValues()
{
    for (int channel = 0; channel < kChannelCount; ++channel) {
        if (!IsValidFrequency(FrequencyValue(m_panel.ChannelText(channel)))) {
            ShowError(RadioTexts::ChannelInvalid(m_panel.IsChinese(), channel));
            return false;
        }
    }
    for (const LabelledList& entry : kExchangedLists) {
        if (!CheckNotEmpty(m_panel.ListText(entry.list), entry.label)) return false;
    }
    if (m_serialNumberUnlocked && !CheckNotEmpty(m_panel.FieldText(RadioField::SerialNumber), RadioLabel::SerialNumber))
        return false;
    return !m_hardwareVersionUnlocked || CheckNotEmpty(m_panel.FieldText(RadioField::Hardware), RadioLabel::Hardware);
}

// Texts that reach the fields by import are not limited in length; a command
// that would not fit its buffer is refused before anything is sent.
bool CRadioOperations::AddCommand(std::vector<std::string>& commands, const std::string& text)
{
    if (text.size() >= kCommandBufferSize) return false;
    commands.push_back(text);
    return true;
}

bool CRadioOperations::BuildWriteCommands(std::vector<std::string>& commands)
{
    for (int channel = 0; channel < kChannelCount; ++channel) {
        if (!AddCommand(commands, Formatted("cfg_ch_%d ", channel) + m_panel.ChannelText(channel) + '\r')) {
            ShowError(RadioTexts::ChannelInvalid(m_panel.IsChinese(), channel));
            return false;
        }
    }
    const int currentChannel = m_panel.SelectedIndex(RadioList::CurrentChannel);
    if (currentChannel >= 0) commands.push_back(Formatted("cfg_ch_n %d\r", currentChannel + 1));
    const int portBaud = m_panel.SelectedIndex(RadioList::PortBaud);
    if (portBaud >= 0) commands.push_back(Formatted("cfg_sbau %d\r", portBaud + 1));
    if (m_panel.SelectedIndex(RadioList::LinkBaud) >= 0)
        commands.push_back(Formatted("cfg_baud %d\r", LinkBaudCode(m_panel.ListText(RadioList::LinkBaud))));
    const int protocol = m_panel.SelectedIndex(RadioList::Protocol);
    if (protocol >= 0) commands.push_back(Formatted("cfg_prtl %d\r", ProtocolCode(protocol)));

    const struct {
        bool unlocked;
        const char* command;
        RadioField field;
        RadioLabel label;
    } identity[] = {
        {m_serialNumberUnlocked, "cfg_sern ", RadioField::SerialNumber, RadioLabel::SerialNumber},
        {m_hardwareVersionUnlocked, "cfg_hard ", RadioField::Hardware, RadioLabel::Hardware},
    };
    for (const auto& entry : identity) {
        if (entry.unlocked && !AddCommand(commands, entry.command + m_panel.FieldText(entry.field) + '\r')) {
            ShowError(m_panel.LabelText(entry.label) + RadioTexts::InvalidSuffix(m_panel.IsChinese()));
            return false;
        }
    }
    return true;
}

void CRadioOperations::LockIdentityFields()
{
    m_panel.SetFieldEnabled(RadioField::SerialNumber, false);
    m_panel.SetFieldEnabled(RadioField::Hardware, false);
    m_serialNumberUnlocked = false;
    m_hardwareVersionUnlocked = false;
}
