#pragma once

// Receives every byte a CSerialPort reads, on the port's monitoring thread.
class ISerialReceiver {
public:
    virtual ~ISerialReceiver() = default;
    virtual void OnSerialByte(unsigned char byte) = 0;
};
