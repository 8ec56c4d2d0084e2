#include "cli/RadioCli.h"

#include <cstdio>

#include "cli/ConsoleUpgradeReporter.h"
#include "radio/FirmwareUpgrade.h"
#include "radio/PortItem.h"
#include "radio/RadioFinder.h"
#include "radio/RadioTexts.h"

CRadioCli::CRadioCli(std::ostream& out, std::ostream& err, const CPortDirectory& ports, CTraceLog* trace)
    : m_out(out)
    , m_err(err)
    , m_ports(ports)
    , m_port(ports, trace)
{
    m_port.Attach(m_link);
    m_panel.OnProtocolSelected([this](int protocol) { m_operations.OfferLinkRates(protocol); });
    m_operations.FillValueLists();
}

// The port's thread feeds the link, which goes before the port does.
CRadioCli::~CRadioCli()
{
    m_port.Close();
}

int CRadioCli::RunOnPort(const CliOptions& options, std::size_t index)
{
    m_report.port = m_ports.Name(index);
    SelectPort(m_ports.Number(index), options.baud);
    if (options.command == "connect" || options.command == "disconnect") return Connect(options.command == "connect");
    if (options.command == "read") return Read(options.outFile);
    if (options.command == "upgrade") return Upgrade(options, m_ports.Number(index));
    if (options.command == "verify") return ImportFile(options.configFile) ? Verify() : 1;
    return Write(options);
}

int CRadioCli::Detect()
{
    std::vector<int> numbers;
    for (std::size_t index = 0; index < m_ports.Count(); ++index) numbers.push_back(m_ports.Number(index));
    RadioLocation found;
    CRadioFinder finder(m_link);
    const bool success = finder.Find(numbers, found);
    if (success) {
        m_report.port = m_ports.NameOf(found.port);
        m_report.foundBaud = found.baud;
        m_out << m_report.port << " " << found.baud << "\n";
    }
    return ReportStatus({RadioCommand::FindRadio, success}) ? 0 : 1;
}

// The link reads the port number back from the selected item.
void CRadioCli::SelectPort(int number, int baud)
{
    m_panel.AddListItem(RadioList::ComPort, PortItem(number));
    m_panel.SelectListItem(RadioList::ComPort, 0);
    for (int index = 0; index < m_panel.ListItemCount(RadioList::ConnectionRate); ++index) {
        if (m_panel.ListItemText(RadioList::ConnectionRate, index) == " " + std::to_string(baud))
            m_panel.SelectListItem(RadioList::ConnectionRate, index);
    }
}

// Prints the messages and reports the operation raised, then its status as
// the window would show it; true on success.
bool CRadioCli::ReportStatus(const RadioResult& result)
{
    const auto& errors = m_panel.Errors();
    for (; m_errorsShown < errors.size(); ++m_errorsShown) {
        m_err << errors[m_errorsShown].message << "\n";
        m_report.messages.push_back(errors[m_errorsShown].message);
    }
    const auto& reports = m_panel.Reports();
    for (; m_reportsShown < reports.size(); ++m_reportsShown) m_err << reports[m_reportsShown].message << "\n";
    m_report.status = RadioTexts::OperationStatus(m_panel, result.command, result.success);
    m_report.success = result.success;
    if (m_printStatus) m_out << m_report.status << "\n";
    m_out.flush();
    return m_report.success;
}

int CRadioCli::Connect(bool enter)
{
    const RadioResult result = enter ? m_operations.EnterConfigMode() : m_operations.LeaveConfigMode();
    return ReportStatus(result) ? 0 : 1;
}

int CRadioCli::Read(const std::string& outFile)
{
    const RadioResult read = m_operations.ReadAllParameters();
    if (read.success) {
        PrintParameters(read.config);
        KeepParameters(read.config);
    }
    if (!ReportStatus(read)) return 1;
    if (outFile.empty()) return 0;
    m_panel.SetChosenFile(outFile);
    return ReportStatus(m_config.ExportConfig()) ? 0 : 1;
}

bool CRadioCli::ImportFile(const std::string& path)
{
    m_panel.SetChosenFile(path);
    return ReportStatus(m_config.ImportConfig());
}

int CRadioCli::Write(const CliOptions& options)
{
    if (!ImportFile(options.configFile)) return 1;
    if (options.setSerialNumber) {
        m_operations.UnlockField(RadioField::SerialNumber);
        m_panel.SetFieldText(RadioField::SerialNumber, options.serialNumber);
    }
    if (options.setHardware) {
        m_operations.UnlockField(RadioField::Hardware);
        m_panel.SetFieldText(RadioField::Hardware, options.hardware);
    }
    if (!ReportStatus(m_operations.WriteParameters())) return 1;
    return options.verify ? Verify() : 0;
}

int CRadioCli::Verify()
{
    const RadioResult result = m_verifier.Verify();
    m_report.verified = true;
    m_report.differences = result.differences;
    return ReportStatus(result) ? 0 : 1;
}

int CRadioCli::Upgrade(const CliOptions& options, int number)
{
    CConsoleUpgradeReporter reporter(m_out, m_panel, options.firmwareFile, number);
    CFirmwareUpgrade upgrade(m_link, reporter);
    return ReportStatus(upgrade.UpgradeFirmware()) ? 0 : 1;
}

void CRadioCli::PrintParameters(const RadioConfig& config)
{
    auto line = [this](const std::string& label, const std::string& value) {
        char text[128];
        std::snprintf(text, sizeof text, "%-18s%s\n", label.c_str(), value.c_str());
        m_out << text;
    };
    for (const LabelledList& entry : kExchangedLists)
        line(m_panel.LabelText(entry.label), config.List(entry.list).text);
    line("Firmware:", config.firmwareVersion);
    line("Sub-firmware:", config.subFirmwareVersion);
    line(m_panel.LabelText(RadioLabel::Hardware), config.hardwareVersion);
    line(m_panel.LabelText(RadioLabel::SerialNumber), config.serialNumber);
    for (int channel = 0; channel < kChannelCount; ++channel)
        line("Channel" + std::to_string(channel) + ":", config.channelFrequency[channel]);
}

// The values as the lines above show them, under the keys of a ".cfg" file.
void CRadioCli::KeepParameters(const RadioConfig& config)
{
    CJsonValue values = CJsonValue::Object();
    for (int channel = 0; channel < kChannelCount; ++channel)
        values.Add(CConfigFile::ChannelKey(channel), CJsonValue::TextOrNull(config.channelFrequency[channel]));
    for (const LabelledList& entry : kExchangedLists)
        values.Add(CConfigFile::ListKey(entry.list), CJsonValue::TextOrNull(config.List(entry.list).text));
    values.Add("Firmware", CJsonValue::TextOrNull(config.firmwareVersion));
    values.Add("SubFirmware", CJsonValue::TextOrNull(config.subFirmwareVersion));
    values.Add("Hardware", CJsonValue::TextOrNull(config.hardwareVersion));
    values.Add("SerialNumber", CJsonValue::TextOrNull(config.serialNumber));
    m_report.parameters = values;
}
