#pragma once

#include <string>

#include "radio/RadioPanel.h"

// The radio operations' own texts in the interface language (GBK in Chinese).
namespace RadioTexts {

std::string ResultSuffix(bool chinese, bool success);
std::string ErrorCaption(bool chinese);
std::string ChannelInvalid(bool chinese, int channel);
std::string InvalidSuffix(bool chinese);
std::string CurrentChannelItem(bool chinese, int number);
// "Channel3:", the name of a channel in the lines of Verify.
std::string ChannelName(bool chinese, int channel);
// One line of Verify: the named value as the window (or file) holds it and as
// the radio holds it; an empty value shows as none.
std::string Difference(bool chinese, bool fromFile, const std::string& name, const std::string& held,
                       const std::string& radio);
// "37%" for a progress of 3700 to 3799 hundredths of a percent.
std::string Percent(unsigned progress);
// "COM7 38400": where a radio is, as Find Radio shows and radiocfg prints it.
std::string PortAndRate(int port, int baud);
// The status after an operation: the starting control's text and the result.
std::string OperationStatus(const IRadioPanel& panel, RadioCommand command, bool success);

FileDialogRequest ExportConfigDialog(bool chinese);
FileDialogRequest ImportConfigDialog(bool chinese);
FileDialogRequest FirmwareDialog(bool chinese);

} // namespace RadioTexts
