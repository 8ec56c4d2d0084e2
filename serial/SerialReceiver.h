#pragma once

// Receives every byte a CSerialPort reads, on the port's monitoring thread.
class ISerialReceiver {
public:
    virtual ~ISerialReceiver() = default;
    virtual void OnSerialByte(unsigned char byte) = 0;
    // Unread input has just been discarded and a transmission follows; the
    // bytes delivered from now on arrived after the discard.
    virtual void OnInputDiscarded() {}
};
