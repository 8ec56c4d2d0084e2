#include "cli/RadioCli.h"

#include <cstdio>

#include "cli/ConsoleUpgradeReporter.h"
#include "radio/FirmwareUpgrade.h"
#include "radio/RadioFinder.h"
#include "radio/RadioTexts.h"

namespace {

std::string WithoutLeadingBlank(const std::string& text)
{
    return !text.empty() && text[0] == ' ' ? text.substr(1) : text;
}

}  // namespace

CRadioCli::CRadioCli(std::ostream& out, std::ostream& err, const CPortDirectory& ports, CTraceLog* trace)
    : m_out(out),
      m_err(err),
      m_ports(ports),
      m_port(ports, trace)
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
    if (options.command == "connect" || options.command == "disconnect")
        return Connect(options.command == "connect");
    if (options.command == "read")
        return Read(options.outFile);
    if (options.command == "upgrade")
        return Upgrade(options, m_ports.Number(index));
    if (options.command == "verify")
        return ImportFile(options.configFile) ? Verify() : 1;
    return Write(options);
}

int CRadioCli::Detect()
{
    std::vector<int> numbers;
    for (std::size_t index = 0; index < m_ports.Count(); ++index)
        numbers.push_back(m_ports.Number(index));
    RadioLocation found;
    CRadioFinder finder(m_link);
    const bool success = finder.Find(numbers, found);
    if (success) {
        m_report.port = m_ports.NameOf(found.port);
        m_report.foundBaud = found.baud;
        m_out << m_report.port << " " << found.baud << "\n";
    }
    m_panel.ShowResult(RadioCommand::FindRadio, success);
    return ReportStatus() ? 0 : 1;
}

// The link reads the port number back from the selected " COM<n>" item.
void CRadioCli::SelectPort(int number, int baud)
{
    m_panel.AddListItem(RadioList::ComPort, " COM" + std::to_string(number));
    m_panel.SelectListItem(RadioList::ComPort, 0);
    for (int index = 0; index < m_panel.ListItemCount(RadioList::ConnectionRate); ++index) {
        if (m_panel.ListItemText(RadioList::ConnectionRate, index) == " " + std::to_string(baud))
            m_panel.SelectListItem(RadioList::ConnectionRate, index);
    }
}

// Prints the messages and reports the operation raised, then its status; true on success.
bool CRadioCli::ReportStatus()
{
    const auto& errors = m_panel.Errors();
    for (; m_errorsShown < errors.size(); ++m_errorsShown) {
        m_err << errors[m_errorsShown].message << "\n";
        m_report.messages.push_back(errors[m_errorsShown].message);
    }
    const auto& reports = m_panel.Reports();
    for (; m_reportsShown < reports.size(); ++m_reportsShown)
        m_err << reports[m_reportsShown].message << "\n";
    m_report.status = m_panel.StatusText();
    m_report.success = m_panel.StatusSuccess();
    if (m_printStatus)
        m_out << m_report.status << "\n";
    m_out.flush();
    return m_report.success;
}

int CRadioCli::Connect(bool enter)
{
    if (enter)
        m_operations.EnterConfigMode();
    else
        m_operations.LeaveConfigMode();
    return ReportStatus() ? 0 : 1;
}

int CRadioCli::Read(const std::string& outFile)
{
    m_operations.ReadAllParameters();
    if (m_panel.StatusSuccess()) {
        PrintParameters();
        KeepParameters();
    }
    if (!ReportStatus())
        return 1;
    if (outFile.empty())
        return 0;
    m_panel.SetChosenFile(outFile);
    m_config.ExportConfig();
    return ReportStatus() ? 0 : 1;
}

bool CRadioCli::ImportFile(const std::string& path)
{
    m_panel.SetChosenFile(path);
    m_config.ImportConfig();
    return ReportStatus();
}

int CRadioCli::Write(const CliOptions& options)
{
    if (!ImportFile(options.configFile))
        return 1;
    if (options.setSerialNumber) {
        m_operations.UnlockField(RadioField::SerialNumber);
        m_panel.SetFieldText(RadioField::SerialNumber, options.serialNumber);
    }
    if (options.setHardware) {
        m_operations.UnlockField(RadioField::Hardware);
        m_panel.SetFieldText(RadioField::Hardware, options.hardware);
    }
    m_operations.WriteParameters();
    if (!ReportStatus())
        return 1;
    return options.verify ? Verify() : 0;
}

int CRadioCli::Verify()
{
    m_verifier.Verify();
    m_report.verified = true;
    m_report.differences = m_verifier.Mismatches();
    return ReportStatus() ? 0 : 1;
}

int CRadioCli::Upgrade(const CliOptions& options, int number)
{
    CConsoleUpgradeReporter reporter(m_out, m_panel, options.firmwareFile, number);
    CFirmwareUpgrade upgrade(m_link, reporter);
    upgrade.UpgradeFirmware();
    return ReportStatus() ? 0 : 1;
}

std::string CRadioCli::ListValue(RadioList list) const
{
    const std::string text = m_panel.ListText(list);
    return WithoutLeadingBlank(text.empty() ? m_panel.List(list).OwnText() : text);
}

void CRadioCli::PrintParameters()
{
    auto line = [this](const std::string& label, const std::string& value) {
        char text[128];
        std::snprintf(text, sizeof text, "%-18s%s\n", label.c_str(), value.c_str());
        m_out << text;
    };
    line(m_panel.LabelText(RadioLabel::Protocol), ListValue(RadioList::Protocol));
    line(m_panel.LabelText(RadioLabel::CurrentChannel), ListValue(RadioList::CurrentChannel));
    line(m_panel.LabelText(RadioLabel::PortBaud), ListValue(RadioList::PortBaud));
    line(m_panel.LabelText(RadioLabel::LinkBaud), ListValue(RadioList::LinkBaud));
    line("Firmware:", m_panel.FieldText(RadioField::Firmware));
    line("Sub-firmware:", m_panel.FieldText(RadioField::SubFirmware));
    line(m_panel.LabelText(RadioLabel::Hardware), m_panel.FieldText(RadioField::Hardware));
    line(m_panel.LabelText(RadioLabel::SerialNumber), m_panel.FieldText(RadioField::SerialNumber));
    for (int channel = 0; channel < kChannelCount; ++channel)
        line("Channel" + std::to_string(channel) + ":", m_panel.ChannelText(channel));
}

// The values as the lines above show them, under the keys of a ".cfg" file.
void CRadioCli::KeepParameters()
{
    CJsonValue values = CJsonValue::Object();
    for (int channel = 0; channel < kChannelCount; ++channel)
        values.Add(CConfigFile::ChannelKey(channel), CJsonValue::TextOrNull(m_panel.ChannelText(channel)));
    for (const LabelledList& entry : kExchangedLists)
        values.Add(CConfigFile::ListKey(entry.list), CJsonValue::TextOrNull(ListValue(entry.list)));
    values.Add("Firmware", CJsonValue::TextOrNull(m_panel.FieldText(RadioField::Firmware)));
    values.Add("SubFirmware", CJsonValue::TextOrNull(m_panel.FieldText(RadioField::SubFirmware)));
    values.Add("Hardware", CJsonValue::TextOrNull(m_panel.FieldText(RadioField::Hardware)));
    values.Add("SerialNumber", CJsonValue::TextOrNull(m_panel.FieldText(RadioField::SerialNumber)));
    m_report.parameters = values;
}
