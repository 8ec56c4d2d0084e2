#pragma once

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "radio/ListModel.h"
#include "radio/RadioPanel.h"
#include "radio/RadioTables.h"

// The radio's parameters without a window: for the command-line tool and the
// tests. Labels and command texts are the English interface's.
class CMemoryRadioPanel : public IRadioPanel {
public:
    struct ShownBox {
        std::string message;
        std::string caption;
    };

    CMemoryRadioPanel();

    // Called when the protocol list's selection changes, as the window does.
    void OnProtocolSelected(std::function<void(int)> handler) { m_protocolSelected = std::move(handler); }
    void SetChinese(bool chinese) { m_chinese = chinese; }
    void SetCommandText(RadioCommand command, const std::string& text) { m_commandTexts[command] = text; }
    void SetLabelText(RadioLabel label, const std::string& text) { m_labelTexts[label] = text; }
    // The name ChooseFile answers with; empty means the dialog is cancelled.
    void SetChosenFile(const std::string& path) { m_chosenFile = path; }

    const CListModel& List(RadioList list) const;
    bool IsFieldEnabled(RadioField field) const;
    bool UnlockButtonsShown() const { return m_unlockButtonsShown; }
    int FocusedChannel() const { return m_focusedChannel; }
    const std::vector<ShownBox>& Errors() const { return m_errors; }
    const std::vector<ShownBox>& Reports() const { return m_reports; }
    const std::string& StatusText() const { return m_statusText; }
    bool StatusSuccess() const { return m_statusSuccess; }
    const std::vector<FileDialogRequest>& FileDialogs() const { return m_fileDialogs; }

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
    void FocusChannel(int channel) override { m_focusedChannel = channel; }
    std::string FieldText(RadioField field) const override;
    void SetFieldText(RadioField field, const std::string& text) override;
    void SetFieldEnabled(RadioField field, bool enabled) override;
    void ShowUnlockButtons() override { m_unlockButtonsShown = true; }
    std::string CommandText(RadioCommand command) const override;
    std::string LabelText(RadioLabel label) const override;
    void ShowError(const std::string& message, const std::string& caption) override;
    void ShowReport(const std::string& message, const std::string& caption) override;
    void ShowStatus(const std::string& text, bool success) override;
    bool ChooseFile(std::string& path, const FileDialogRequest& request) override;

private:
    CListModel& MutableList(RadioList list);

    bool m_chinese = false;
    std::map<RadioList, CListModel> m_lists;
    std::array<std::string, kChannelCount> m_channels;
    std::map<RadioField, std::string> m_fields;
    std::map<RadioField, bool> m_fieldEnabled;
    std::map<RadioCommand, std::string> m_commandTexts;
    std::map<RadioLabel, std::string> m_labelTexts;
    std::function<void(int)> m_protocolSelected;
    bool m_unlockButtonsShown = false;
    int m_focusedChannel = -1;
    std::vector<ShownBox> m_errors;
    std::vector<ShownBox> m_reports;
    std::string m_statusText;
    bool m_statusSuccess = false;
    std::string m_chosenFile;
    std::vector<FileDialogRequest> m_fileDialogs;
};
