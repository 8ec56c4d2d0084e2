#include "serial/ComPorts.h"

#include <cstdlib>

namespace {

constexpr DWORD kRegistryTextSize = 256;

} // namespace

bool IsOfferedSerialDevice(const std::string& deviceName)
{
    return deviceName.find("Nmserial") == std::string::npos;
}

int ComPortNumber(const std::string& portName)
{
    return portName.size() > 3 ? std::atoi(portName.c_str() + 3) : 0;
}

LONG ListComPortsUnder(HKEY root, const char* subKey, std::vector<int>& ports)
{
    HKEY key = nullptr;
    LONG status = RegOpenKeyExA(root, subKey, 0, KEY_READ, &key);
    if (status != ERROR_SUCCESS) return status;
    ports.clear();
    for (DWORD index = 0;; ++index) {
        char name[kRegistryTextSize] = {};
        char data[kRegistryTextSize + 1] = {}; // room for a terminator the registry may omit
        DWORD nameSize = kRegistryTextSize;
        DWORD dataSize = kRegistryTextSize;
        DWORD type = 0;
        status = RegEnumValueA(key, index, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(data), &dataSize);
        if (status == ERROR_NO_MORE_ITEMS) break;
        if (status != ERROR_SUCCESS || type != REG_SZ || !IsOfferedSerialDevice(name)) continue;
        ports.push_back(ComPortNumber(data));
    }
    return RegCloseKey(key);
}

LONG ListComPorts(std::vector<int>& ports)
{
    return ListComPortsUnder(HKEY_LOCAL_MACHINE, "Hardware\\DeviceMap\\SerialComm", ports);
}
