#pragma once

#include <windows.h>

#include <string>

#include "app/MainControls.h"
#include "radio/RadioPanel.h"

// The radio's parameters in the main window's controls. The lists are the
// window's combos, so they keep the combo's selection rules; a changed
// protocol selection sends "itemselect" at once, and the window's handler of
// it offers the link rates before SelectListItem returns.
class CMainRadioPanel : public IRadioPanel {
public:
    static constexpr DWORD kSuccessColor = 0xFF99FF99;
    static constexpr DWORD kFailureColor = 0xFFFF9999;

    explicit CMainRadioPanel(MainControls& controls);

    void SetChinese(bool chinese) { m_chinese = chinese; }
    // The window that owns the file dialogs, the reports and the error boxes.
    void SetOwner(HWND owner) { m_owner = owner; }

    bool IsChinese() const override { return m_chinese; }
    void ClearList(RadioList list) override;
    void AddListItem(RadioList list, const std::string& text) override;
    int ListItemCount(RadioList list) const override;
    std::string ListItemText(RadioList list, int index) const override;
    int SelectedIndex(RadioList list) const override;
    void SelectListItem(RadioList list, int index) override;
    std::string ListText(RadioList list) const override;
    void SetListOwnText(RadioList list, const std::string& text) override;
    std::string ChannelText(int channel) const override;
    void SetChannelText(int channel, const std::string& text) override;
    void FocusChannel(int channel) override;
    std::string FieldText(RadioField field) const override;
    void SetFieldText(RadioField field, const std::string& text) override;
    void SetFieldEnabled(RadioField field, bool enabled) override;
    void ShowUnlockButtons() override;
    std::string CommandText(RadioCommand command) const override;
    std::string LabelText(RadioLabel label) const override;
    void ShowError(const std::string& message, const std::string& caption) override;
    void ShowReport(const std::string& message, const std::string& caption) override;
    void ShowStatus(const std::string& text, bool success) override;
    void ShowResult(RadioCommand command, bool success) override;
    // A running command on the status label: its text and the detail ("37%",
    // "COM7 38400") over a bar for the progress, 0 to 10000.
    void ShowProgress(RadioCommand command, const std::string& detail, unsigned progress);
    // Shows the last result or progress again, in the language now in force.
    void RefreshStatus();

    // The part of the 216-pixel status column that a progress leaves uncoloured.
    static unsigned ProgressGap(unsigned progress);
    bool ChooseFile(std::string& path, const FileDialogRequest& request) override;

    // The dialog's filter: entry name and pattern, each ended by a zero byte,
    // then the zero byte that ends the list.
    static std::string DialogFilter(const FileDialogRequest& request);

    // The button or menu item whose text names the command's operation.
    SkinUI::CControlUI* CommandControl(RadioCommand command) const;

private:
    // What the status label shows, as far as it follows the language.
    struct StatusShown {
        bool known = false;
        RadioCommand command = RadioCommand::Connect;
        bool success = false;
        bool progress = false;
        std::string detail;
        unsigned value = 0;
    };

    SkinUI::CControlUI* LabelControl(RadioLabel label) const;
    void ShowKnownStatus();

    MainControls& m_controls;
    bool m_chinese = true;
    HWND m_owner = nullptr;
    StatusShown m_status;
};
