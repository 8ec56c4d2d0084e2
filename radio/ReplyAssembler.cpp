#include "radio/ReplyAssembler.h"

namespace {

constexpr unsigned char kCarriageReturn = 13;
constexpr unsigned char kLineFeed = 10;

bool EndsWithAck(const std::string& text)
{
    return text.size() > 2 && text.compare(text.size() - 3, 3, "ACK") == 0;
}

} // namespace

void CReplyAssembler::Begin()
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_buffer.clear();
    m_open = false;
    m_complete = false;
}

void CReplyAssembler::Open()
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_open = true;
}

void CReplyAssembler::OnByte(unsigned char byte)
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (!m_open || m_complete || byte == kLineFeed) return;
    if (byte == kCarriageReturn) {
        if (m_buffer.empty())
            m_buffer.push_back(static_cast<char>(byte));
        else if (m_buffer.size() > 1)
            m_complete = true;
    } else if (!m_buffer.empty()) {
        m_buffer.push_back(static_cast<char>(byte));
        if (byte == 'K' && EndsWithAck(m_buffer)) {
            m_buffer.resize(m_buffer.size() - 3);
            m_complete = true;
        }
    }
    if (m_complete) m_completed.notify_all();
}

bool CReplyAssembler::WaitComplete(std::chrono::milliseconds limit)
{
    std::unique_lock<std::mutex> guard(m_lock);
    return m_completed.wait_for(guard, limit, [this] { return m_complete; });
}

bool CReplyAssembler::IsComplete() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_complete;
}

std::string CReplyAssembler::Snapshot() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_buffer;
}
