#include "cli/Radiocfg.h"

#include <memory>
#include <sstream>
#include <thread>

namespace {

const char* Result(bool success)
{
    return success ? "Success" : "Failure";
}

// Every line of a port's own output, with the port's name in front.
void PrintPrefixed(std::ostream& stream, const std::string& port, const std::string& text)
{
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) stream << port << ": " << line << "\n";
}

CJsonValue DifferencesJson(const std::vector<VerifyMismatch>& differences)
{
    CJsonValue list = CJsonValue::Array();
    for (const VerifyMismatch& difference : differences) {
        list.Push(CJsonValue::Object()
                      .Add("key", CJsonValue::Text(difference.key))
                      .Add("file", CJsonValue::TextOrNull(difference.held))
                      .Add("radio", CJsonValue::TextOrNull(difference.radio)));
    }
    return list;
}

CJsonValue TextsJson(const std::vector<std::string>& texts)
{
    CJsonValue list = CJsonValue::Array();
    for (const std::string& text : texts) list.Push(CJsonValue::Text(text));
    return list;
}

} // namespace

void AddReportMembers(CJsonValue& object, const CliReport& report)
{
    object.Add("port", CJsonValue::TextOrNull(report.port));
    object.Add("result", CJsonValue::Text(Result(report.success)));
    object.Add("status", CJsonValue::Text(report.status));
    object.Add("messages", TextsJson(report.messages));
    object.Add("parameters", report.parameters);
    if (report.verified) object.Add("differences", DifferencesJson(report.differences));
}

CRadiocfg::CRadiocfg(std::ostream& out, std::ostream& err)
    : m_out(out)
    , m_err(err)
{}

int CRadiocfg::Run(const CliOptions& options, const std::string& heading)
{
    if (!options.traceFile.empty()) {
        m_traceOpen = m_trace.Open(options.traceFile, heading);
        if (!m_traceOpen) {
            m_err << "radiocfg: cannot create the trace file " << options.traceFile << "\n";
            return 2;
        }
    }
    if (options.command == "ports") return ListPorts(options);
    if (options.command == "detect") return Detect(options);
    for (const std::string& port : options.ports) {
        std::string error;
        if (!IsPresentPort(port, error)) {
            m_err << error << "\n";
            return 2;
        }
    }
    return RunOnPorts(options);
}

int CRadiocfg::ListPorts(const CliOptions& options)
{
    const std::vector<std::string> names = ListPortNames();
    if (options.json) {
        CJsonValue object = CJsonValue::Object();
        object.Add("command", CJsonValue::Text(options.command));
        object.Add("result", CJsonValue::Text(Result(true)));
        object.Add("ports", TextsJson(names));
        m_out << object.Format() << "\n";
        return 0;
    }
    for (const std::string& name : names) m_out << name << "\n";
    return 0;
}

int CRadiocfg::Detect(const CliOptions& options)
{
    CPortDirectory ports(SearchPortNames());
    std::ostringstream unused;
    CRadioCli cli(options.json ? unused : m_out, options.json ? unused : m_err, ports, Trace());
    const int status = cli.Detect();
    if (options.json) {
        const CliReport& report = cli.Report();
        CJsonValue object = CJsonValue::Object();
        object.Add("command", CJsonValue::Text(options.command));
        object.Add("result", CJsonValue::Text(Result(report.success)));
        object.Add("status", CJsonValue::Text(report.status));
        object.Add("port", CJsonValue::TextOrNull(report.port));
        object.Add("baud", report.success ? CJsonValue::Number(report.foundBaud) : CJsonValue::Null());
        m_out << object.Format() << "\n";
    }
    return status;
}

int CRadiocfg::RunOnPorts(const CliOptions& options)
{
    CPortDirectory ports(options.ports);
    if (ports.Count() == 1 && !options.json) {
        CRadioCli cli(m_out, m_err, ports, Trace());
        return cli.RunOnPort(options, 0);
    }
    const std::size_t count = ports.Count();
    std::vector<std::ostringstream> outs(count), errs(count);
    std::vector<std::unique_ptr<CRadioCli>> runs;
    std::vector<std::thread> threads;
    for (std::size_t index = 0; index < count; ++index) {
        runs.push_back(std::make_unique<CRadioCli>(outs[index], errs[index], ports, Trace()));
        runs.back()->OmitStatusLines();
    }
    for (std::size_t index = 0; index < count; ++index)
        threads.emplace_back([&runs, &options, index] { runs[index]->RunOnPort(options, index); });
    for (std::thread& thread : threads) thread.join();

    std::vector<CliReport> reports;
    std::vector<std::string> outTexts, errTexts;
    bool allSucceeded = true;
    for (std::size_t index = 0; index < count; ++index) {
        reports.push_back(runs[index]->Report());
        outTexts.push_back(outs[index].str());
        errTexts.push_back(errs[index].str());
        allSucceeded = allSucceeded && reports.back().success;
    }
    if (options.json)
        PrintJson(options, reports);
    else
        PrintResults(ports, outTexts, errTexts, reports);
    return allSucceeded ? 0 : 1;
}

void CRadiocfg::PrintResults(const CPortDirectory& ports, const std::vector<std::string>& outs,
                             const std::vector<std::string>& errs, const std::vector<CliReport>& reports)
{
    for (std::size_t index = 0; index < reports.size(); ++index) {
        PrintPrefixed(m_err, ports.Name(index), errs[index]);
        PrintPrefixed(m_out, ports.Name(index), outs[index]);
        m_out << ports.Name(index) << " " << reports[index].status << "\n";
    }
    m_out.flush();
}

void CRadiocfg::PrintJson(const CliOptions& options, const std::vector<CliReport>& reports)
{
    CJsonValue object = CJsonValue::Object();
    object.Add("command", CJsonValue::Text(options.command));
    if (reports.size() == 1) {
        AddReportMembers(object, reports.front());
    } else {
        bool allSucceeded = true;
        CJsonValue results = CJsonValue::Array();
        for (const CliReport& report : reports) {
            allSucceeded = allSucceeded && report.success;
            CJsonValue result = CJsonValue::Object();
            AddReportMembers(result, report);
            results.Push(result);
        }
        object.Add("result", CJsonValue::Text(Result(allSucceeded)));
        object.Add("results", results);
    }
    m_out << object.Format() << "\n";
}
