#pragma once

#include <memory>

#include "radio/RadioLink.h"
#include "serial/SerialPort.h"

// The command/reply layer over a COM port of its own.
class CComRadioLink : public CRadioLink {
public:
    explicit CComRadioLink(IRadioPanel& panel)
        : CRadioLink(panel, [](ISerialReceiver& receiver) -> std::unique_ptr<ISerialTransport> {
            return std::make_unique<CSerialPort>(&receiver);
        })
    {}
};
