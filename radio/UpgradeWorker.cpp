#include "radio/UpgradeWorker.h"

#include <chrono>
#include <utility>

namespace {

constexpr std::chrono::milliseconds kPollInterval{50};

} // namespace

CUpgradeWorker::CUpgradeWorker(std::function<void()> upgrade)
    : m_upgrade(std::move(upgrade))
{}

CUpgradeWorker::~CUpgradeWorker()
{
    Stop();
}

void CUpgradeWorker::Start()
{
    if (!m_thread.joinable() && !m_stopping) m_thread = std::thread([this] { Loop(); });
}

void CUpgradeWorker::Request()
{
    m_requested = true;
}

bool CUpgradeWorker::IsRequested() const
{
    return m_requested;
}

bool CUpgradeWorker::IsRunning() const
{
    return m_running;
}

void CUpgradeWorker::Stop()
{
    m_stopping = true;
    if (m_thread.joinable()) m_thread.join();
}

void CUpgradeWorker::Loop()
{
    while (!m_stopping) {
        if (m_requested) {
            m_running = true;
            m_upgrade();
            m_running = false;
            m_requested = false;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
}
