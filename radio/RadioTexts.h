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
// The status after an operation: the starting control's text and the result.
std::string OperationStatus(const IRadioPanel& panel, RadioCommand command, bool success);

FileDialogRequest ExportConfigDialog(bool chinese);
FileDialogRequest ImportConfigDialog(bool chinese);
FileDialogRequest FirmwareDialog(bool chinese);

}  // namespace RadioTexts
