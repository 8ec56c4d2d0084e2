#pragma once

#include <string>

// The controls that hold the radio's parameters. The main window implements
// this over its controls; CMemoryRadioPanel keeps them in memory.

enum class RadioList { Protocol, CurrentChannel, HighPower, LowPower, ConnectionRate, PortBaud, LinkBaud, ComPort };
enum class RadioField { Firmware, SubFirmware, Hardware, SerialNumber };
// The buttons and menu items whose text opens the status of their operation.
enum class RadioCommand {
    Connect,
    Disconnect,
    Read,
    Write,
    ImportConfig,
    ExportConfig,
    UpgradeFirmware,
    Verify,
    FindRadio
};
// The labels that name a field in validation messages.
enum class RadioLabel { Protocol, CurrentChannel, PortBaud, LinkBaud, SerialNumber, Hardware };

// The lists a write requires and Verify compares, in that order, with their labels.
struct LabelledList {
    RadioList list;
    RadioLabel label;
};
inline constexpr LabelledList kExchangedLists[] = {
    {RadioList::Protocol, RadioLabel::Protocol},
    {RadioList::CurrentChannel, RadioLabel::CurrentChannel},
    {RadioList::PortBaud, RadioLabel::PortBaud},
    {RadioList::LinkBaud, RadioLabel::LinkBaud},
};

struct FileDialogRequest {
    std::string title;
    std::string filterName;
    std::string pattern;
    bool open = true;
};

class IRadioPanel {
public:
    virtual ~IRadioPanel() = default;

    virtual bool IsChinese() const = 0;

    // Lists follow the combo's rules: selecting a negative index clears the
    // selection, an index past the end selects the last item, an empty list
    // selects nothing; a changed selection of the protocol list offers that
    // protocol's link rates before the call returns.
    virtual void ClearList(RadioList list) = 0;
    virtual void AddListItem(RadioList list, const std::string& text) = 0;
    virtual int ListItemCount(RadioList list) const = 0;
    virtual std::string ListItemText(RadioList list, int index) const = 0;
    virtual int SelectedIndex(RadioList list) const = 0;
    virtual void SelectListItem(RadioList list, int index) = 0;
    // The selected item's text, empty when nothing is selected.
    virtual std::string ListText(RadioList list) const = 0;
    // The list control's own text, apart from its items.
    virtual void SetListOwnText(RadioList list, const std::string& text) = 0;

    virtual std::string ChannelText(int channel) const = 0;
    virtual void SetChannelText(int channel, const std::string& text) = 0;
    virtual void FocusChannel(int channel) = 0;

    virtual std::string FieldText(RadioField field) const = 0;
    virtual void SetFieldText(RadioField field, const std::string& text) = 0;
    virtual void SetFieldEnabled(RadioField field, bool enabled) = 0;
    virtual void ShowUnlockButtons() = 0;

    virtual std::string CommandText(RadioCommand command) const = 0;
    virtual std::string LabelText(RadioLabel label) const = 0;

    // A modal error box with the error icon, in front of the main window.
    virtual void ShowError(const std::string& message, const std::string& caption) = 0;
    // A modal box with the warning icon, owned by the main window.
    virtual void ShowReport(const std::string& message, const std::string& caption) = 0;
    // The status label: text, no padding, green on success and red on failure.
    virtual void ShowStatus(const std::string& text, bool success) = 0;
    // The status after an operation: the text of the control that started it
    // and the result, in the interface language.
    virtual void ShowResult(RadioCommand command, bool success);
    // True when the operator confirmed a file name, which is then in path (UTF-8).
    virtual bool ChooseFile(std::string& path, const FileDialogRequest& request) = 0;
};
