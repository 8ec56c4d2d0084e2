#pragma once

#include <string>

// Cuts the received bytes into commands: lines ended by CR, the boot
// loader's ten-byte words that come without one, and 258-byte page packets
// when one is expected.
class CCommandFramer {
public:
    static constexpr std::size_t kPacketSize = 258;

    struct Item {
        bool packet = false;
        std::string text; // the command without its CR, or the packet
        std::string raw; // as received, for the log
    };

    void ExpectPacket() { m_packetPending = true; }
    // True when this byte completes an item.
    bool Feed(unsigned char byte, Item& item);

private:
    static constexpr std::size_t kLineLimit = 1024;

    std::string m_buffer;
    bool m_packetPending = false;
};
