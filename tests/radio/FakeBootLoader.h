#pragma once

#include <functional>
#include <string>
#include <vector>

#include "serial/SerialReceiver.h"
#include "serial/SerialTransport.h"

// A transport that plays the radio's boot loader: it answers the boot
// words and takes 258-byte pages, feeding its replies to the receiver at once.
class CFakeBootLoader : public ISerialTransport {
public:
    void SetReceiver(ISerialReceiver* receiver) { m_receiver = receiver; }
    void SetOpenSucceeds(bool succeeds) { m_openSucceeds = succeeds; }
    // The reply to the n-th "write page" (from 1) lacks "get page".
    void RefuseWritePage(int number) { m_refusedWritePage = number; }
    // The n-th page (from 1) is answered "write failed".
    void FailPage(int number) { m_failedPage = number; }
    // Called with the number of each page as it arrives.
    void OnPage(std::function<void(int)> callback) { m_onPage = std::move(callback); }

    const std::vector<std::string>& Sent() const { return m_sent; }
    // The page bytes taken, checksums stripped.
    const std::string& Firmware() const { return m_firmware; }
    int Pages() const { return m_pages; }
    int OpenedPort() const { return m_port; }
    int OpenedBaud() const { return m_baud; }
    bool IsOpen() const { return m_open; }

    bool Open(int portNumber, int baudRate) override
    {
        m_port = portNumber;
        m_baud = baudRate;
        m_open = m_openSucceeds;
        return m_open;
    }
    bool StartMonitor() override { return m_open; }
    bool Send(const void* bytes, std::size_t length) override
    {
        if (!m_open)
            return true;
        std::string sent(static_cast<const char*>(bytes), length);
        m_sent.push_back(sent);
        Reply(Answer(sent));
        return true;
    }
    void Close() override { m_open = false; }

private:
    std::string Answer(const std::string& sent)
    {
        if (sent == "boot_start")
            return "boot start";
        if (sent == "write page")
            return ++m_writePages == m_refusedWritePage ? "busy" : "get page";
        if (sent.size() != 258)
            return "";
        if (m_onPage)
            m_onPage(m_pages + 1);
        if (++m_pages == m_failedPage)
            return "write failed";
        if (!ChecksumMatches(sent))
            return "checksum error";
        m_firmware += sent.substr(0, 256);
        return "write OK";
    }

    static bool ChecksumMatches(const std::string& packet)
    {
        unsigned sum = 0;
        for (std::size_t i = 0; i < 256; ++i)
            sum += static_cast<unsigned char>(packet[i]);
        return static_cast<unsigned char>(packet[256]) == (sum >> 8) && static_cast<unsigned char>(packet[257]) == (sum & 0xFF);
    }

    void Reply(const std::string& text)
    {
        if (text.empty())
            return;
        for (char byte : "\r\n" + text + "\r\n")
            m_receiver->OnSerialByte(static_cast<unsigned char>(byte));
    }

    ISerialReceiver* m_receiver = nullptr;
    bool m_openSucceeds = true;
    bool m_open = false;
    int m_port = 0;
    int m_baud = 0;
    int m_refusedWritePage = 0;
    int m_failedPage = 0;
    int m_writePages = 0;
    int m_pages = 0;
    std::function<void(int)> m_onPage;
    std::string m_firmware;
    std::vector<std::string> m_sent;
};
