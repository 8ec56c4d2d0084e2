#pragma once

#include <atomic>
#include <functional>
#include <thread>

// The upgrade thread: polls a request flag every 50 ms and runs the upgrade
// when it is set. A request made while an upgrade runs is absorbed by it.
// Stop (and the destructor) end the thread, after a running upgrade has
// finished; the upgrade must therefore not wait for the stopping thread.
class CUpgradeWorker {
public:
    explicit CUpgradeWorker(std::function<void()> upgrade);
    ~CUpgradeWorker();
    CUpgradeWorker(const CUpgradeWorker&) = delete;
    CUpgradeWorker& operator=(const CUpgradeWorker&) = delete;

    // Starts the thread; later calls do nothing.
    void Start();
    void Request();
    bool IsRequested() const;
    // True from the moment the upgrade starts until it returns.
    bool IsRunning() const;
    void Stop();

private:
    void Loop();

    std::function<void()> m_upgrade;
    std::atomic<bool> m_requested{false};
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_stopping{false};
    std::thread m_thread;
};
