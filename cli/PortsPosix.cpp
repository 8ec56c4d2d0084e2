#include "cli/Ports.h"

#include <sys/stat.h>

#include <cstdlib>

#include "serial/PosixSerialPort.h"
#include "serial/SerialDevices.h"

CPortDirectory::CPortDirectory(std::vector<std::string> names)
    : m_names(std::move(names))
{}

int CPortDirectory::Number(std::size_t index) const
{
    return static_cast<int>(index) + 1;
}

std::string CPortDirectory::NameOf(int number) const
{
    const bool named = number >= 1 && number <= static_cast<int>(m_names.size());
    return named ? m_names[number - 1] : "port " + std::to_string(number);
}

std::unique_ptr<ISerialTransport> CPortDirectory::MakeTransport(ISerialReceiver& receiver) const
{
    return std::make_unique<CPosixSerialPort>(&receiver, m_names);
}

std::vector<std::string> ListPortNames()
{
    return ListSerialDevices();
}

std::vector<std::string> SearchPortNames()
{
    return DistinctDevices(ListSerialDevices());
}

// A device path; a number N names COMN as the system numbers serial ports,
// /dev/ttyS<N-1>.
bool ParsePortName(const std::string& value, std::string& name, std::string& error)
{
    if (value.empty()) {
        error = "--port takes a device path such as /dev/ttyUSB0";
        return false;
    }
    if (value.find_first_not_of("0123456789") != std::string::npos) {
        name = value;
        return true;
    }
    const long number = std::strtol(value.c_str(), nullptr, 10);
    if (number < 1 || number > 255) {
        error = "--port takes a device path, or a COM port number from 1 to 255, not '" + value + "'";
        return false;
    }
    name = "/dev/ttyS" + std::to_string(number - 1);
    return true;
}

bool IsPresentPort(const std::string& name, std::string& error)
{
    struct stat status {};
    if (stat(name.c_str(), &status) == 0 && S_ISCHR(status.st_mode)) return true;
    error = name + " is not a serial device of this machine; 'radiocfg ports' lists them";
    return false;
}
