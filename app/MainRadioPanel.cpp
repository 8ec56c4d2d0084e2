#include "app/MainRadioPanel.h"

#include <commdlg.h>

#include <filesystem>

#include "SkinUI/Control/ListLabelElementUI.h"
#include "SkinUI/Utils/GbkText.h"
#include "app/MainCommandTable.h"
#include "radio/RadioTexts.h"

namespace {

constexpr DWORD kPathSize = MAX_PATH;
constexpr unsigned kFullProgress = 10000;
constexpr unsigned kProgressColumnWidth = 216;

std::string Text(const SkinUI::CControlUI* control)
{
    return control != nullptr ? std::string(control->GetText().GetData()) : std::string();
}

std::wstring ProgramFolder()
{
    wchar_t path[kPathSize] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, path, kPathSize);
    std::wstring folder(path, length < kPathSize ? length : 0);
    const std::size_t slash = folder.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : folder.substr(0, slash);
}

void ShowBox(HWND owner, const std::string& message, const std::string& caption, UINT icon)
{
    ::MessageBoxW(owner, SkinUI::CGbkText::ToWide(message.c_str()).c_str(),
                  SkinUI::CGbkText::ToWide(caption.c_str()).c_str(), icon);
}

} // namespace

CMainRadioPanel::CMainRadioPanel(MainControls& controls)
    : m_controls(controls)
{}

void CMainRadioPanel::ClearList(RadioList list)
{
    m_controls.List(list)->RemoveAll();
}

void CMainRadioPanel::AddListItem(RadioList list, const std::string& text)
{
    auto* item = new SkinUI::CListLabelElementUI;
    item->SetText(text.c_str());
    m_controls.List(list)->Add(item);
}

int CMainRadioPanel::ListItemCount(RadioList list) const
{
    return m_controls.List(list)->GetCount();
}

std::string CMainRadioPanel::ListItemText(RadioList list, int index) const
{
    return Text(m_controls.List(list)->GetItemAt(index));
}

int CMainRadioPanel::SelectedIndex(RadioList list) const
{
    return m_controls.List(list)->GetCurSel();
}

void CMainRadioPanel::SelectListItem(RadioList list, int index)
{
    m_controls.List(list)->SelectItem(index, false);
}

std::string CMainRadioPanel::ListText(RadioList list) const
{
    return Text(m_controls.List(list));
}

void CMainRadioPanel::SetListOwnText(RadioList list, const std::string& text)
{
    // The combo's GetText answers with the selected item; its own text is the base's.
    m_controls.List(list)->SkinUI::CControlUI::SetText(text.c_str());
}

std::string CMainRadioPanel::ChannelText(int channel) const
{
    return Text(m_controls.channelEdits.at(channel));
}

void CMainRadioPanel::SetChannelText(int channel, const std::string& text)
{
    m_controls.channelEdits.at(channel)->SetText(text.c_str());
}

void CMainRadioPanel::FocusChannel(int channel)
{
    m_controls.channelEdits.at(channel)->SetFocus();
}

std::string CMainRadioPanel::FieldText(RadioField field) const
{
    return Text(m_controls.FieldEdit(field));
}

void CMainRadioPanel::SetFieldText(RadioField field, const std::string& text)
{
    m_controls.FieldEdit(field)->SetText(text.c_str());
}

void CMainRadioPanel::SetFieldEnabled(RadioField field, bool enabled)
{
    m_controls.fieldRows[static_cast<int>(field)]->SetEnabled(enabled);
}

void CMainRadioPanel::ShowUnlockButtons()
{
    m_controls.serialUnlockButton->SetVisible(true);
    m_controls.hardwareUnlockButton->SetVisible(true);
}

SkinUI::CControlUI* CMainRadioPanel::CommandControl(RadioCommand command) const
{
    return CMainCommandTable::StatusControl(m_controls, command);
}

SkinUI::CControlUI* CMainRadioPanel::LabelControl(RadioLabel label) const
{
    switch (label) {
    case RadioLabel::Protocol:
        return m_controls.listLabels[static_cast<int>(RadioList::Protocol)];
    case RadioLabel::CurrentChannel:
        return m_controls.listLabels[static_cast<int>(RadioList::CurrentChannel)];
    case RadioLabel::PortBaud:
        return m_controls.listLabels[static_cast<int>(RadioList::PortBaud)];
    case RadioLabel::LinkBaud:
        return m_controls.listLabels[static_cast<int>(RadioList::LinkBaud)];
    case RadioLabel::SerialNumber:
        return m_controls.fieldLabels[static_cast<int>(RadioField::SerialNumber)];
    case RadioLabel::Hardware:
        return m_controls.fieldLabels[static_cast<int>(RadioField::Hardware)];
    }
    return nullptr;
}

std::string CMainRadioPanel::CommandText(RadioCommand command) const
{
    return Text(CommandControl(command));
}

std::string CMainRadioPanel::LabelText(RadioLabel label) const
{
    return Text(LabelControl(label));
}

void CMainRadioPanel::ShowError(const std::string& message, const std::string& caption)
{
    ShowBox(m_owner, message, caption, MB_ICONERROR);
}

void CMainRadioPanel::ShowReport(const std::string& message, const std::string& caption)
{
    ShowBox(m_owner, message, caption, MB_ICONWARNING);
}

void CMainRadioPanel::ShowStatus(const std::string& text, bool success)
{
    m_status = StatusShown();
    m_controls.statusLabel->ShowResult(text.c_str(), success ? kSuccessColor : kFailureColor);
}

void CMainRadioPanel::ShowResult(RadioCommand command, bool success)
{
    m_status = StatusShown();
    m_status.known = true;
    m_status.command = command;
    m_status.success = success;
    ShowKnownStatus();
}

void CMainRadioPanel::ShowProgress(RadioCommand command, const std::string& detail, unsigned progress)
{
    m_status = StatusShown();
    m_status.known = true;
    m_status.command = command;
    m_status.progress = true;
    m_status.detail = detail;
    m_status.value = progress;
    ShowKnownStatus();
}

void CMainRadioPanel::RefreshStatus()
{
    if (m_status.known) ShowKnownStatus();
}

void CMainRadioPanel::ShowKnownStatus()
{
    CStatusLabelUI* label = m_controls.statusLabel;
    if (m_status.progress) {
        const std::string text = CommandText(m_status.command) + " " + m_status.detail;
        label->ShowProgress(text.c_str(), static_cast<int>(ProgressGap(m_status.value)));
        return;
    }
    const std::string text = RadioTexts::OperationStatus(*this, m_status.command, m_status.success);
    label->ShowResult(text.c_str(), m_status.success ? kSuccessColor : kFailureColor);
}

unsigned CMainRadioPanel::ProgressGap(unsigned progress)
{
    if (progress > kFullProgress) progress = kFullProgress;
    return (kFullProgress - progress) * kProgressColumnWidth / kFullProgress;
}

std::string CMainRadioPanel::DialogFilter(const FileDialogRequest& request)
{
    std::string filter = request.filterName;
    filter += '\0';
    filter += request.pattern;
    filter += '\0';
    filter += '\0';
    return filter;
}

bool CMainRadioPanel::ChooseFile(std::string& path, const FileDialogRequest& request)
{
    wchar_t file[kPathSize] = {};
    const std::string filter = DialogFilter(request);
    const std::wstring wideFilter = SkinUI::CGbkText::ToWide(filter.data(), static_cast<int>(filter.size()));
    const std::wstring title = SkinUI::CGbkText::ToWide(request.title.c_str());
    const std::wstring folder = ProgramFolder();
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = m_owner;
    dialog.lpstrFilter = wideFilter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = kPathSize;
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR |
                   (request.open ? OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST
                                 : OFN_OVERWRITEPROMPT | OFN_CREATEPROMPT | OFN_NOVALIDATE);
    const BOOL chosen = request.open ? ::GetOpenFileNameW(&dialog) : ::GetSaveFileNameW(&dialog);
    if (!chosen) return false;
    // File names are not texts of the program: any name the system allows is kept, as UTF-8.
    path = std::filesystem::path(file).u8string();
    return true;
}
