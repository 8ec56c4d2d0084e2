#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The serial ports the system lists under HKLM\Hardware\DeviceMap\SerialComm,
// in registry order. Returns the status of the key's close, or the error of
// its opening (the result is then left unchanged).
LONG ListComPorts(std::vector<int>& ports);

// The same walk over any key; tests point it at a key of their own.
LONG ListComPortsUnder(HKEY root, const char* subKey, std::vector<int>& ports);

// Whether a device of this driver name is offered at all.
bool IsOfferedSerialDevice(const std::string& deviceName);

// "COM12" -> 12: the number after the first three characters, read as atoi
// reads it; 0 when there is none.
int ComPortNumber(const std::string& portName);
