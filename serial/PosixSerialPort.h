#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "serial/SerialReceiver.h"
#include "serial/SerialTransport.h"

// A serial device of a POSIX system, with a monitoring thread that hands
// received bytes to the receiver in order and carries out queued sends: the
// same rules as the Windows port. The device is held exclusively (a lock
// every opener of the port takes, and the terminal's exclusive mode), so a
// port in use is refused.
class CPosixSerialPort : public ISerialTransport {
public:
    static constexpr std::size_t kTransmitBufferSize = 1024;

    // Port n is the n-th of the device paths.
    CPosixSerialPort(ISerialReceiver* receiver, std::vector<std::string> devices);
    ~CPosixSerialPort() override;
    CPosixSerialPort(const CPosixSerialPort&) = delete;
    CPosixSerialPort& operator=(const CPosixSerialPort&) = delete;

    bool Open(int portNumber, int baudRate) override;
    bool StartMonitor() override;
    bool Send(const void* bytes, std::size_t length) override;
    void Close() override;

    bool IsOpen() const { return m_fd >= 0; }
    bool IsMonitoring() const { return m_monitor.joinable(); }

private:
    void Monitor();
    bool ReadAvailable();
    void TransmitPending();
    bool WriteAll(const unsigned char* bytes, std::size_t length);
    bool WaitWritable();
    void Wake();
    void DrainWakes();
    bool Configure(int baudRate);
    void ReleaseDevice();

    ISerialReceiver* m_receiver = nullptr;
    std::vector<std::string> m_devices;
    int m_fd = -1;
    // Written by Send and Close, read by the monitoring thread.
    int m_wakeRead = -1;
    int m_wakeWrite = -1;
    std::atomic<bool> m_shutdown{false};
    std::mutex m_lock; // the queued transmission
    bool m_transmitPending = false;
    std::array<unsigned char, kTransmitBufferSize> m_transmitBuffer = {};
    std::size_t m_bytesToTransmit = 0;
    std::array<unsigned char, 256> m_readBuffer = {};
    std::thread m_monitor;
};

// The termios speed of a rate; false for one it has none of.
bool PosixLineSpeed(int baudRate, unsigned& speed);
