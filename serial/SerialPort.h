#pragma once

#include <windows.h>

#include <array>
#include <atomic>
#include <cstddef>
#include <mutex>

#include "serial/SerialReceiver.h"
#include "serial/SerialTransport.h"

// One COM port opened for overlapped I/O, with a monitoring thread that hands
// received bytes to the receiver one at a time and carries out queued sends.
class CSerialPort : public ISerialTransport {
public:
    static constexpr std::size_t kTransmitBufferSize = 1024;
    static constexpr DWORD kMonitorExitCode = 100;

    explicit CSerialPort(ISerialReceiver* receiver);
    ~CSerialPort() override;
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    bool Open(int portNumber, int baudRate) override;
    bool StartMonitor() override;
    bool Send(const void* bytes, std::size_t length) override;
    void Close() override;

    bool IsOpen() const;
    bool IsMonitoring() const { return m_threadAlive.load() != 0; }
    int PortNumber() const { return m_portNumber; }

private:
    static DWORD WINAPI MonitorThread(LPVOID port);
    void Monitor();
    bool ArmRead();
    bool CompleteRead();
    void CancelRead();
    void TransmitPending();
    bool DiscardInput();
    void WriteQueued();
    void Configure(int baudRate);
    void PurgeAll();
    void StopMonitor();
    void ReleaseHandle();

    enum WaitSlot { kShutdown, kReceive, kTransmit, kWaitCount };

    int m_portNumber = 0;
    HANDLE m_monitorThread = nullptr;
    mutable std::mutex m_lock;
    std::atomic<long> m_threadAlive{0};
    HANDLE m_transmitEvent = nullptr;
    HANDLE m_shutdownEvent = nullptr;
    HANDLE m_waitList[kWaitCount] = {};
    // Separate records: the pending read must not share its record with the
    // writes issued while it is outstanding.
    OVERLAPPED m_readIo = {};
    OVERLAPPED m_writeIo = {};
    std::array<unsigned char, 256> m_readBuffer = {};
    bool m_readPending = false;
    // A read waits for the first byte, then ends as soon as the line is quiet
    // for a millisecond: no total timeout, so an idle port costs nothing.
    COMMTIMEOUTS m_timeouts = {1, 0, 0, 1000, 1000};
    DCB m_lineSettings = {};
    std::array<unsigned char, kTransmitBufferSize> m_transmitBuffer = {};
    std::size_t m_bytesToTransmit = 0;
    HANDLE m_portHandle = nullptr;
    ISerialReceiver* m_receiver = nullptr;
};
