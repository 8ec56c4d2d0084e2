#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>

#include "serial/SerialReceiver.h"

// Collects received bytes; a discard of unread input shows as "|". The
// first delivery can be held, to let input pile up behind it.
class CByteCollector : public ISerialReceiver {
public:
    void OnSerialByte(unsigned char byte) override
    {
        std::unique_lock<std::mutex> guard(m_lock);
        m_bytes.push_back(static_cast<char>(byte));
        m_changed.notify_all();
        if (m_holdFirst && m_bytes.size() == 1) m_changed.wait(guard, [this] { return m_released; });
    }
    void OnInputDiscarded() override { OnSerialByte('|'); }

    void HoldFirstDelivery() { m_holdFirst = true; }
    void Release()
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_released = true;
        m_changed.notify_all();
    }
    bool WaitFor(const std::string& text, std::chrono::milliseconds limit = std::chrono::seconds(2))
    {
        std::unique_lock<std::mutex> guard(m_lock);
        return m_changed.wait_for(guard, limit, [&] { return m_bytes.find(text) != std::string::npos; });
    }
    std::string Bytes()
    {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_bytes;
    }

private:
    std::mutex m_lock;
    std::condition_variable m_changed;
    std::string m_bytes;
    bool m_holdFirst = false;
    bool m_released = false;
};
