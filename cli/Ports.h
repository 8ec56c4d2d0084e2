#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "serial/SerialReceiver.h"
#include "serial/SerialTransport.h"

// The serial ports radiocfg names: "COM7" on Windows, device paths such as
// "/dev/ttyUSB0" elsewhere. The radio layer opens ports by number; a
// directory gives each of its names the number that opens it.
class CPortDirectory {
public:
    explicit CPortDirectory(std::vector<std::string> names);

    std::size_t Count() const { return m_names.size(); }
    const std::string& Name(std::size_t index) const { return m_names[index]; }
    int Number(std::size_t index) const;
    // The name a number opens; the number itself for one of no name here.
    std::string NameOf(int number) const;
    // A port for the radio layer that opens this directory's ports by their numbers.
    std::unique_ptr<ISerialTransport> MakeTransport(ISerialReceiver& receiver) const;

private:
    std::vector<std::string> m_names;
};

// The serial ports of this machine, as `radiocfg ports` lists them.
std::vector<std::string> ListPortNames();
// The ports detect tries: each device once, under the first name listed.
std::vector<std::string> SearchPortNames();
// The port a --port value names; false, with the reason, when it names none.
bool ParsePortName(const std::string& value, std::string& name, std::string& error);
// Whether the port is one of this machine's; the reason when it is not.
bool IsPresentPort(const std::string& name, std::string& error);
