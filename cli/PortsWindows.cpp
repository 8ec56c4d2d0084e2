#include "cli/Ports.h"

#include <algorithm>
#include <cstdlib>

#include "serial/ComPorts.h"
#include "serial/SerialPort.h"

namespace {

std::string ComName(int number)
{
    return "COM" + std::to_string(number);
}

} // namespace

CPortDirectory::CPortDirectory(std::vector<std::string> names)
    : m_names(std::move(names))
{}

int CPortDirectory::Number(std::size_t index) const
{
    return ComPortNumber(m_names[index]);
}

std::string CPortDirectory::NameOf(int number) const
{
    return ComName(number);
}

std::unique_ptr<ISerialTransport> CPortDirectory::MakeTransport(ISerialReceiver& receiver) const
{
    return std::make_unique<CSerialPort>(&receiver);
}

std::vector<std::string> ListPortNames()
{
    std::vector<int> ports;
    ListComPorts(ports);
    std::vector<std::string> names;
    for (int port : ports) names.push_back(ComName(port));
    return names;
}

std::vector<std::string> SearchPortNames()
{
    return ListPortNames();
}

bool ParsePortName(const std::string& value, std::string& name, std::string& error)
{
    char* end = nullptr;
    const long number = std::strtol(value.c_str(), &end, 10);
    if (value.empty() || *end != '\0' || number < 1 || number > 255) {
        error = "--port takes a COM port number from 1 to 255, not '" + value + "'";
        return false;
    }
    name = ComName(static_cast<int>(number));
    return true;
}

bool IsPresentPort(const std::string& name, std::string& error)
{
    const std::vector<std::string> listed = ListPortNames();
    if (std::find(listed.begin(), listed.end(), name) != listed.end()) return true;
    error = name + " is not a serial port of this machine; 'radiocfg ports' lists them";
    return false;
}
