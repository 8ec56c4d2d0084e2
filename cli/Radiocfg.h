#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/Json.h"
#include "cli/RadioCli.h"
#include "cli/TraceLog.h"

// radiocfg after its arguments were accepted: lists the ports, or runs the
// command on its port, or on several ports at once, and prints the result as
// lines or as one JSON object.
class CRadiocfg {
public:
    CRadiocfg(std::ostream& out, std::ostream& err);

    // The process exit status: 0 on success, 1 on failure, 2 on a refused call.
    // heading names the run in the trace's first line.
    int Run(const CliOptions& options, const std::string& heading);

private:
    int ListPorts(const CliOptions& options);
    int Detect(const CliOptions& options);
    int RunOnPorts(const CliOptions& options);
    // Several ports: one result line each, after the lines each one printed.
    void PrintResults(const CPortDirectory& ports, const std::vector<std::string>& outs,
                      const std::vector<std::string>& errs, const std::vector<CliReport>& reports);
    void PrintJson(const CliOptions& options, const std::vector<CliReport>& reports);
    CTraceLog* Trace() { return m_traceOpen ? &m_trace : nullptr; }

    std::ostream& m_out;
    std::ostream& m_err;
    CTraceLog m_trace;
    bool m_traceOpen = false;
};

// One run's members of a JSON object: the port, its result and what it found.
void AddReportMembers(CJsonValue& object, const CliReport& report);
