#pragma once

#include <ostream>
#include <string>

#include "radio/RadioPanel.h"
#include "radio/UpgradeReporter.h"

// The upgrade's reports on the console: the file and port given on the
// command line, a line for every change of progress, the result in the
// panel's status as the other commands leave it.
class CConsoleUpgradeReporter : public IUpgradeReporter {
public:
    CConsoleUpgradeReporter(std::ostream& out, IRadioPanel& panel, std::string firmwareFile, int port);

    bool ChooseFirmwareFile(std::string& path) override;
    int BeginUpgrade() override;
    void ShowProgress(int progress) override;
    void EndUpgrade(bool success) override;

private:
    std::ostream& m_out;
    IRadioPanel& m_panel;
    std::string m_firmwareFile;
    int m_port = 0;
    int m_shownProgress = -1;
};
