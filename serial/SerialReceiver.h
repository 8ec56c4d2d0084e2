#pragma once

#include <cstddef>

// Receives every byte a serial port reads, on the port's monitoring thread.
class ISerialReceiver {
public:
    virtual ~ISerialReceiver() = default;
    virtual void OnSerialByte(unsigned char byte) = 0;
    // Bytes that one read brought, in order of arrival; each goes to
    // OnSerialByte unless the receiver wants them together.
    virtual void OnSerialBytes(const unsigned char* bytes, std::size_t count)
    {
        for (std::size_t i = 0; i < count; ++i) OnSerialByte(bytes[i]);
    }
    // Unread input has just been discarded and a transmission follows; the
    // bytes delivered from now on arrived after the discard.
    virtual void OnInputDiscarded() {}
};
