#pragma once

#include <string>

// What a firmware upgrade needs from whoever started it. The window answers
// through its status message, on its own thread; radiocfg prints.
class IUpgradeReporter {
public:
    virtual ~IUpgradeReporter() = default;

    // The firmware file (UTF-8); false when the operator cancelled.
    virtual bool ChooseFirmwareFile(std::string& path) = 0;
    // The upgrade starts: commands are locked. Returns the COM port to use.
    virtual int BeginUpgrade() = 0;
    // Progress in hundredths of a percent, 0 to 10000.
    virtual void ShowProgress(int progress) = 0;
    // The result is shown and the commands are free again.
    virtual void EndUpgrade(bool success) = 0;
};
