#include "cli/ConsoleUpgradeReporter.h"

#include <cstdio>
#include <utility>

namespace {

// "Progress 37.50%" for 3750.
std::string ProgressLine(int progress)
{
    char text[32];
    std::snprintf(text, sizeof text, "Progress %d.%02d%%", progress / 100, progress % 100);
    return text;
}

} // namespace

CConsoleUpgradeReporter::CConsoleUpgradeReporter(std::ostream& out, IRadioPanel& panel, std::string firmwareFile,
                                                 int port)
    : m_out(out)
    , m_panel(panel)
    , m_firmwareFile(std::move(firmwareFile))
    , m_port(port)
{}

bool CConsoleUpgradeReporter::ChooseFirmwareFile(std::string& path)
{
    path = m_firmwareFile;
    return true;
}

int CConsoleUpgradeReporter::BeginUpgrade()
{
    m_shownProgress = -1;
    return m_port;
}

void CConsoleUpgradeReporter::ShowProgress(int progress)
{
    if (progress == m_shownProgress) return;
    m_shownProgress = progress;
    m_out << ProgressLine(progress) << "\n";
    m_out.flush();
}

void CConsoleUpgradeReporter::EndUpgrade(bool success)
{
    m_panel.ShowResult(RadioCommand::UpgradeFirmware, success);
}
