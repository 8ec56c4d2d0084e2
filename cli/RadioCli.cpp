#include "cli/RadioCli.h"

#include <cstdio>
#include <vector>

#include "cli/ConsoleUpgradeReporter.h"
#include "radio/FirmwareUpgrade.h"
#include "radio/RadioFinder.h"
#include "radio/RadioTexts.h"
#include "serial/ComPorts.h"

namespace {

std::string WithoutLeadingBlank(const std::string& text)
{
    return !text.empty() && text[0] == ' ' ? text.substr(1) : text;
}

std::string PortItem(int port)
{
    return " COM" + std::to_string(port);
}

}  // namespace

CRadioCli::CRadioCli(std::ostream& out, std::ostream& err)
    : m_out(out),
      m_err(err)
{
    m_panel.OnProtocolSelected([this](int protocol) { m_operations.OfferLinkRates(protocol); });
    m_operations.FillValueLists();
}

int CRadioCli::Run(const CliOptions& options)
{
    if (options.command == "ports")
        return ListPorts();
    if (options.command == "detect")
        return Detect();
    if (!SelectPort(options.port, options.baud))
        return 2;
    if (options.command == "connect" || options.command == "disconnect")
        return Connect(options.command == "connect");
    if (options.command == "read")
        return Read(options.outFile);
    if (options.command == "upgrade")
        return Upgrade(options);
    if (options.command == "verify")
        return ImportFile(options.configFile) ? Verify() : 1;
    return Write(options);
}

int CRadioCli::ListPorts()
{
    std::vector<int> ports;
    ListComPorts(ports);
    for (int port : ports)
        m_out << "COM" << port << "\n";
    return 0;
}

int CRadioCli::Detect()
{
    std::vector<int> ports;
    ListComPorts(ports);
    RadioLocation found;
    CRadioFinder finder(m_link);
    const bool success = finder.Find(ports, found);
    if (success)
        m_out << RadioTexts::PortAndRate(found.port, found.baud) << "\n";
    m_panel.ShowResult(RadioCommand::FindRadio, success);
    return ReportStatus() ? 0 : 1;
}

bool CRadioCli::SelectPort(int port, int baud)
{
    std::vector<int> ports;
    ListComPorts(ports);
    for (int listed : ports)
        m_panel.AddListItem(RadioList::ComPort, PortItem(listed));
    for (int index = 0; index < m_panel.ListItemCount(RadioList::ComPort); ++index) {
        if (m_panel.ListItemText(RadioList::ComPort, index) == PortItem(port))
            m_panel.SelectListItem(RadioList::ComPort, index);
    }
    if (m_panel.ListText(RadioList::ComPort) != PortItem(port)) {
        m_err << "COM" << port << " is not a serial port of this machine; 'radiocfg ports' lists them\n";
        return false;
    }
    for (int index = 0; index < m_panel.ListItemCount(RadioList::ConnectionRate); ++index) {
        if (m_panel.ListItemText(RadioList::ConnectionRate, index) == " " + std::to_string(baud))
            m_panel.SelectListItem(RadioList::ConnectionRate, index);
    }
    return true;
}

// Prints the messages and reports the operation raised, then its status; true on success.
bool CRadioCli::ReportStatus()
{
    const auto& errors = m_panel.Errors();
    for (; m_errorsShown < errors.size(); ++m_errorsShown)
        m_err << errors[m_errorsShown].message << "\n";
    const auto& reports = m_panel.Reports();
    for (; m_reportsShown < reports.size(); ++m_reportsShown)
        m_err << reports[m_reportsShown].message << "\n";
    m_out << m_panel.StatusText() << "\n";
    m_out.flush();
    return m_panel.StatusSuccess();
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
    if (m_panel.StatusSuccess())
        PrintParameters();
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
    return ReportStatus() ? 0 : 1;
}

int CRadioCli::Upgrade(const CliOptions& options)
{
    CConsoleUpgradeReporter reporter(m_out, m_panel, options.firmwareFile, options.port);
    CFirmwareUpgrade upgrade(m_link, reporter);
    upgrade.UpgradeFirmware();
    return ReportStatus() ? 0 : 1;
}

void CRadioCli::PrintParameters()
{
    auto listValue = [this](RadioList list) {
        std::string text = m_panel.ListText(list);
        return WithoutLeadingBlank(text.empty() ? m_panel.List(list).OwnText() : text);
    };
    auto line = [this](const std::string& label, const std::string& value) {
        char text[128];
        std::snprintf(text, sizeof text, "%-18s%s\n", label.c_str(), value.c_str());
        m_out << text;
    };
    line(m_panel.LabelText(RadioLabel::Protocol), listValue(RadioList::Protocol));
    line(m_panel.LabelText(RadioLabel::CurrentChannel), listValue(RadioList::CurrentChannel));
    line(m_panel.LabelText(RadioLabel::PortBaud), listValue(RadioList::PortBaud));
    line(m_panel.LabelText(RadioLabel::LinkBaud), listValue(RadioList::LinkBaud));
    line("Firmware:", m_panel.FieldText(RadioField::Firmware));
    line("Sub-firmware:", m_panel.FieldText(RadioField::SubFirmware));
    line(m_panel.LabelText(RadioLabel::Hardware), m_panel.FieldText(RadioField::Hardware));
    line(m_panel.LabelText(RadioLabel::SerialNumber), m_panel.FieldText(RadioField::SerialNumber));
    for (int channel = 0; channel < kChannelCount; ++channel)
        line("Channel" + std::to_string(channel) + ":", m_panel.ChannelText(channel));
}
