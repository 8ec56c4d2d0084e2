#pragma once

#include <string>
#include <vector>

#include "radio/RadioLink.h"
#include "radio/RadioPanel.h"
#include "radio/RadioResult.h"

// The radio commands of the main window: connect, disconnect, read, write,
// the value lists and the frequency checks. Runs on the window's thread.
class CRadioOperations {
public:
    // Every command is formatted into a buffer of this size.
    static constexpr std::size_t kCommandBufferSize = 128;

    CRadioOperations(IRadioPanel& panel, CRadioLink& link);

    RadioResult EnterConfigMode();
    RadioResult LeaveConfigMode();
    // The result holds the parameters the read left in the panel.
    RadioResult ReadAllParameters();
    // The read's steps into the panel, without the report; the port stays
    // open for the caller's ShowOperationResult. Succeeds when every step did.
    RadioResult ReadFromRadio();
    RadioResult WriteParameters();

    void FillValueLists();
    void OfferLinkRates(int protocolIndex);
    void FillDefaultFrequencies();
    // The check when the operator leaves a channel field; false when refused.
    // The caller keeps the field's edited mark and clears it afterwards.
    bool CheckChannelField(int channel);
    bool CheckNotEmpty(const std::string& text, RadioLabel label);

    // The operator's Unlock: the field becomes editable and the next write sends it.
    void UnlockField(RadioField field);
    bool IsUnlocked(RadioField field) const;

private:
    RadioResult Exchange(const char* command, RadioCommand reportAs, const char* expected);
    void FillList(RadioList list, const std::vector<std::string>& items);
    void ShowError(const std::string& message);

    // Read steps; each returns the new success flag.
    bool Query(const std::string& command);
    bool ReadCurrentChannel();
    // The words the radio answered that no item holds go into found.
    bool ReadProtocol(RadioConfig& found);
    bool ReadPortBaud();
    bool ReadLinkBaud(bool ok, RadioConfig& found);
    bool ReadText(const char* command, RadioField field);
    bool ReadChannel(int channel);
    void CutIdentityFields();
    RadioConfig ReadConfig(const RadioConfig& found) const;

    // Write steps.
    bool CheckWriteValues();
    bool BuildWriteCommands(std::vector<std::string>& commands);
    bool AddCommand(std::vector<std::string>& commands, const std::string& text);
    void LockIdentityFields();

    IRadioPanel& m_panel;
    CRadioLink& m_link;
    bool m_serialNumberUnlocked = false;
    bool m_hardwareVersionUnlocked = false;
};
