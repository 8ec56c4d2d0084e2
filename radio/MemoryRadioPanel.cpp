#include "radio/MemoryRadioPanel.h"

CMemoryRadioPanel::CMemoryRadioPanel()
    : m_commandTexts{{RadioCommand::Connect, "Connect"},
                     {RadioCommand::Disconnect, "Disconnect"},
                     {RadioCommand::Read, "Read"},
                     {RadioCommand::Write, "Write"},
                     {RadioCommand::ImportConfig, "Import Config"},
                     {RadioCommand::ExportConfig, "Export Config"},
                     {RadioCommand::UpgradeFirmware, "Upgrade Firmware"},
                     {RadioCommand::Verify, "Verify"},
                     {RadioCommand::FindRadio, "Find Radio"}}
    , m_labelTexts{{RadioLabel::Protocol, "Protocol Type:"}, {RadioLabel::CurrentChannel, "Current Channel:"},
                   {RadioLabel::PortBaud, "Port BaudRate:"}, {RadioLabel::LinkBaud, "Link BaudRate:"},
                   {RadioLabel::SerialNumber, "SN:"},        {RadioLabel::Hardware, "Hardware:"}}
{
    // The two unlockable rows start locked, like the window's.
    m_fieldEnabled[RadioField::SerialNumber] = false;
    m_fieldEnabled[RadioField::Hardware] = false;
}

const CListModel& CMemoryRadioPanel::List(RadioList list) const
{
    static const CListModel kEmpty;
    auto found = m_lists.find(list);
    return found == m_lists.end() ? kEmpty : found->second;
}

CListModel& CMemoryRadioPanel::MutableList(RadioList list)
{
    return m_lists[list];
}

bool CMemoryRadioPanel::IsFieldEnabled(RadioField field) const
{
    auto found = m_fieldEnabled.find(field);
    return found == m_fieldEnabled.end() || found->second;
}

void CMemoryRadioPanel::ClearList(RadioList list)
{
    MutableList(list).Clear();
}

void CMemoryRadioPanel::AddListItem(RadioList list, const std::string& text)
{
    MutableList(list).Add(text);
}

int CMemoryRadioPanel::ListItemCount(RadioList list) const
{
    return List(list).Count();
}

std::string CMemoryRadioPanel::ListItemText(RadioList list, int index) const
{
    return List(list).ItemText(index);
}

int CMemoryRadioPanel::SelectedIndex(RadioList list) const
{
    return List(list).Selected();
}

void CMemoryRadioPanel::SelectListItem(RadioList list, int index)
{
    CListModel& model = MutableList(list);
    if (model.Select(index) && list == RadioList::Protocol && m_protocolSelected) m_protocolSelected(model.Selected());
}

std::string CMemoryRadioPanel::ListText(RadioList list) const
{
    return List(list).Text();
}

void CMemoryRadioPanel::SetListOwnText(RadioList list, const std::string& text)
{
    MutableList(list).SetOwnText(text);
}

std::string CMemoryRadioPanel::ChannelText(int channel) const
{
    return m_channels.at(channel);
}

void CMemoryRadioPanel::SetChannelText(int channel, const std::string& text)
{
    m_channels.at(channel) = text;
}

std::string CMemoryRadioPanel::FieldText(RadioField field) const
{
    auto found = m_fields.find(field);
    return found == m_fields.end() ? std::string() : found->second;
}

void CMemoryRadioPanel::SetFieldText(RadioField field, const std::string& text)
{
    m_fields[field] = text;
}

void CMemoryRadioPanel::SetFieldEnabled(RadioField field, bool enabled)
{
    m_fieldEnabled[field] = enabled;
}

std::string CMemoryRadioPanel::CommandText(RadioCommand command) const
{
    return m_commandTexts.at(command);
}

std::string CMemoryRadioPanel::LabelText(RadioLabel label) const
{
    return m_labelTexts.at(label);
}

void CMemoryRadioPanel::ShowError(const std::string& message, const std::string& caption)
{
    m_errors.push_back({message, caption});
}

void CMemoryRadioPanel::ShowReport(const std::string& message, const std::string& caption)
{
    m_reports.push_back({message, caption});
}

void CMemoryRadioPanel::ShowStatus(const std::string& text, bool success)
{
    m_statusText = text;
    m_statusSuccess = success;
}

bool CMemoryRadioPanel::ChooseFile(std::string& path, const FileDialogRequest& request)
{
    m_fileDialogs.push_back(request);
    if (m_chosenFile.empty()) return false;
    path = m_chosenFile;
    return true;
}
