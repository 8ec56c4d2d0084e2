#pragma once

#include <cstddef>

// What the radio's command layer needs of a serial port.
class ISerialTransport {
public:
    virtual ~ISerialTransport() = default;
    virtual bool Open(int portNumber, int baudRate) = 0;
    virtual bool StartMonitor() = 0;
    virtual bool Send(const void* bytes, std::size_t length) = 0;
    virtual void Close() = 0;
};
