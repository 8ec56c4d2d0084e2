#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/Json.h"
#include "cli/Ports.h"
#include "cli/TracingPort.h"
#include "radio/ConfigFile.h"
#include "radio/MemoryRadioPanel.h"
#include "radio/RadioOperations.h"
#include "radio/RadioVerifier.h"

// What a run came to, for its JSON and for the result lines of several ports.
struct CliReport {
    std::string port;
    bool success = false;
    std::string status; // the last status, "Write Success"
    std::vector<std::string> messages; // validation messages
    CJsonValue parameters = CJsonValue::Null(); // what a read found, under the ".cfg" keys
    bool verified = false; // whether differences were looked for
    std::vector<VerifyMismatch> differences;
    int foundBaud = 0; // where detect found the radio
};

// Runs one radiocfg command on one port (or, for detect, on all) over the
// radio operations, with the parameters held in memory as the main window
// would hold them. The human-readable lines go to out and err as it goes.
class CRadioCli {
public:
    CRadioCli(std::ostream& out, std::ostream& err, const CPortDirectory& ports, CTraceLog* trace);
    ~CRadioCli();
    CRadioCli(const CRadioCli&) = delete;
    CRadioCli& operator=(const CRadioCli&) = delete;

    // Leaves the status lines out of out (several ports print their own).
    void OmitStatusLines() { m_printStatus = false; }

    // A command that takes --port, on the directory's port at index; the
    // process exit status: 0 on success, 1 on failure.
    int RunOnPort(const CliOptions& options, std::size_t index);
    // Finds the port and rate the radio answers at among the directory's ports.
    int Detect();
    const CliReport& Report() const { return m_report; }

private:
    void SelectPort(int number, int baud);
    int Connect(bool enter);
    int Read(const std::string& outFile);
    int Write(const CliOptions& options);
    // Compares the radio with the imported file.
    int Verify();
    bool ImportFile(const std::string& path);
    int Upgrade(const CliOptions& options, int number);
    void PrintParameters(const RadioConfig& config);
    void KeepParameters(const RadioConfig& config);
    bool ReportStatus(const RadioResult& result);

    std::ostream& m_out;
    std::ostream& m_err;
    const CPortDirectory& m_ports;
    bool m_printStatus = true;
    CliReport m_report;
    CMemoryRadioPanel m_panel;
    CTracingPort m_port;
    CRadioLink m_link{m_panel, m_port};
    CRadioOperations m_operations{m_panel, m_link};
    CRadioVerifier m_verifier{m_panel, m_link, VerifySource::File};
    CConfigFile m_config{m_panel};
    std::size_t m_errorsShown = 0;
    std::size_t m_reportsShown = 0;
};
