#pragma once

#include <string>

// The radio's boot loader: takes firmware pages, each checked by the sum of
// its 256 bytes sent high byte first.
class CBootLoader {
public:
    static unsigned PageChecksum(const std::string& packet);
    static bool IsChecksumValid(const std::string& packet);

    // Reply to a page; failPage (from 1) answers "write failed" instead.
    std::string TakePage(const std::string& packet, int failPage);
    int PagesTaken() const { return m_pageNumber; }
    const std::string& Firmware() const { return m_firmware; }
    void Restart();

private:
    int m_pageNumber = 0;
    std::string m_firmware;
};
