#pragma once

#include <ostream>

#include "cli/CommandLine.h"
#include "radio/ComRadioLink.h"
#include "radio/ConfigFile.h"
#include "radio/MemoryRadioPanel.h"
#include "radio/RadioOperations.h"
#include "radio/RadioVerifier.h"

// Runs one radiocfg command over the radio operations, with the parameters
// held in memory as the main window would hold them.
class CRadioCli {
public:
    CRadioCli(std::ostream& out, std::ostream& err);

    // The process exit status: 0 on success, 1 on failure, 2 on a refused call.
    int Run(const CliOptions& options);

private:
    int ListPorts();
    // Finds the port and rate the radio answers at and prints them.
    int Detect();
    bool SelectPort(int port, int baud);
    int Connect(bool enter);
    int Read(const std::string& outFile);
    int Write(const CliOptions& options);
    // Compares the radio with the imported file.
    int Verify();
    bool ImportFile(const std::string& path);
    int Upgrade(const CliOptions& options);
    void PrintParameters();
    bool ReportStatus();

    std::ostream& m_out;
    std::ostream& m_err;
    CMemoryRadioPanel m_panel;
    CComRadioLink m_link{m_panel};
    CRadioOperations m_operations{m_panel, m_link};
    CRadioVerifier m_verifier{m_panel, m_link, VerifySource::File};
    CConfigFile m_config{m_panel};
    std::size_t m_errorsShown = 0;
    std::size_t m_reportsShown = 0;
};
