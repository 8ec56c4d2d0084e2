#include "CommandFramer.h"

namespace {

bool IsBootWord(const std::string& text)
{
    return text == "boot_start" || text == "write page" || text == "ISP finish";
}

} // namespace

bool CCommandFramer::Feed(unsigned char byte, Item& item)
{
    if (m_packetPending) {
        m_buffer.push_back(static_cast<char>(byte));
        if (m_buffer.size() < kPacketSize) return false;
        item = {true, m_buffer, m_buffer};
        m_buffer.clear();
        m_packetPending = false;
        return true;
    }
    if (byte == '\r') {
        if (m_buffer.empty()) return false;
        item = {false, m_buffer, m_buffer + "\r"};
        m_buffer.clear();
        return true;
    }
    if (byte == '\n' && m_buffer.empty()) return false;
    if (m_buffer.size() == kLineLimit) m_buffer.clear();
    m_buffer.push_back(static_cast<char>(byte));
    if (!IsBootWord(m_buffer)) return false;
    item = {false, m_buffer, m_buffer};
    m_buffer.clear();
    return true;
}
