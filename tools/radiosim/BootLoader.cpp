#include "BootLoader.h"

unsigned CBootLoader::PageChecksum(const std::string& packet)
{
    unsigned sum = 0;
    for (std::size_t i = 0; i < 256 && i < packet.size(); ++i) sum += static_cast<unsigned char>(packet[i]);
    return sum;
}

bool CBootLoader::IsChecksumValid(const std::string& packet)
{
    if (packet.size() != 258) return false;
    unsigned sent = static_cast<unsigned char>(packet[256]) << 8 | static_cast<unsigned char>(packet[257]);
    return sent == PageChecksum(packet);
}

std::string CBootLoader::TakePage(const std::string& packet, int failPage)
{
    ++m_pageNumber;
    if (m_pageNumber == failPage) return "write failed";
    if (!IsChecksumValid(packet)) return "checksum error";
    m_firmware += packet.substr(0, 256);
    return "write OK";
}

void CBootLoader::Restart()
{
    m_pageNumber = 0;
    m_firmware.clear();
}
