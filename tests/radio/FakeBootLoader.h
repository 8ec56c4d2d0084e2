#pragma once

#include <functional>
#include <string>
#include <vector>

#include "serial/SerialReceiver.h"
#include "serial/SerialTransport.h"

// A transport that plays the radio's boot loader, answering at once.
class CFakeBootLoader : public ISerialTransport {
public:
    ISerialReceiver* receiver = nullptr;
    bool openSucceeds = true;
    int refusedWritePage = 0; // this "write page" (from 1) lacks "get page"
    int failedPage = 0; // this page (from 1) is answered "write failed"
    std::function<void(int)> onPage;
    std::vector<std::string> sent; // packets as "page"
    std::string firmware; // the pages taken, checksums stripped
    int baud = 0;
    int port = 0;
    bool open = false;

    bool Open(int portNumber, int baudRate) override
    {
        port = portNumber;
        baud = baudRate;
        return open = openSucceeds;
    }
    bool StartMonitor() override { return open; }
    bool Send(const void* bytes, std::size_t length) override
    {
        std::string text(static_cast<const char*>(bytes), length);
        sent.push_back(length == 258 ? "page" : text);
        receiver->OnInputDiscarded();
        std::string reply = text == "boot_start"   ? "boot start"
                            : text == "write page" ? (++m_writePages == refusedWritePage ? "busy" : "get page")
                            : length == 258        ? TakePage(text)
                                                   : "";
        for (char byte : reply.empty() ? reply : "\r\n" + reply + "\r\n")
            receiver->OnSerialByte(static_cast<unsigned char>(byte));
        return true;
    }
    void Close() override { open = false; }

private:
    std::string TakePage(const std::string& packet)
    {
        if (onPage) onPage(m_pages + 1);
        unsigned sum = 0;
        for (std::size_t i = 0; i < 256; ++i) sum += static_cast<unsigned char>(packet[i]);
        if (++m_pages == failedPage) return "write failed";
        if (static_cast<unsigned char>(packet[256]) != sum >> 8 ||
            static_cast<unsigned char>(packet[257]) != (sum & 0xFF))
            return "checksum error";
        firmware += packet.substr(0, 256);
        return "write OK";
    }

    int m_writePages = 0;
    int m_pages = 0;
};
