#include "serial/SerialPort.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr DWORD kMonitorStopTimeoutMs = 2000;
// Used only when the driver refuses a read.
constexpr DWORD kRetryIntervalMs = 10;

HANDLE NewManualResetEvent()
{
    return CreateEventA(nullptr, TRUE, FALSE, nullptr);
}

} // namespace

CSerialPort::CSerialPort(ISerialReceiver* receiver)
    : m_receiver(receiver)
{
    m_transmitEvent = NewManualResetEvent();
    m_shutdownEvent = NewManualResetEvent();
    m_readIo.hEvent = NewManualResetEvent();
    m_writeIo.hEvent = NewManualResetEvent();
    m_waitList[kShutdown] = m_shutdownEvent;
    m_waitList[kReceive] = m_readIo.hEvent;
    m_waitList[kTransmit] = m_transmitEvent;
}

CSerialPort::~CSerialPort()
{
    Close();
    for (HANDLE event : {m_transmitEvent, m_shutdownEvent, m_readIo.hEvent, m_writeIo.hEvent}) {
        if (event) CloseHandle(event);
    }
}

bool CSerialPort::Open(int portNumber, int baudRate)
{
    Close();
    for (HANDLE event : m_waitList) ResetEvent(event);
    m_portNumber = portNumber;
    m_bytesToTransmit = 0;

    char deviceName[32];
    std::snprintf(deviceName, sizeof deviceName, "\\\\.\\COM%d", portNumber);
    std::lock_guard<std::mutex> guard(m_lock);
    HANDLE handle =
        CreateFileA(deviceName, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    m_portHandle = handle;
    Configure(baudRate);
    PurgeAll();
    return true;
}

// Settings the driver refuses are not fatal: the port keeps what it had.
void CSerialPort::Configure(int baudRate)
{
    if (!SetCommTimeouts(m_portHandle, &m_timeouts)) return;
    m_lineSettings = {};
    m_lineSettings.DCBlength = sizeof m_lineSettings;
    if (!GetCommState(m_portHandle, &m_lineSettings)) return;
    m_lineSettings.fRtsControl = RTS_CONTROL_ENABLE;
    m_lineSettings.EvtChar = 'q';
    char settings[64];
    std::snprintf(settings, sizeof settings, "baud=%d parity=%c data=%d stop=%d", baudRate, 'N', 8, 1);
    if (BuildCommDCBA(settings, &m_lineSettings)) SetCommState(m_portHandle, &m_lineSettings);
}

void CSerialPort::PurgeAll()
{
    PurgeComm(m_portHandle, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
}

bool CSerialPort::IsOpen() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_portHandle != nullptr;
}

bool CSerialPort::StartMonitor()
{
    if (!IsOpen() || m_monitorThread) return false;
    m_threadAlive = 1;
    m_monitorThread = CreateThread(nullptr, 0, MonitorThread, this, 0, nullptr);
    if (!m_monitorThread) m_threadAlive = 0;
    return m_monitorThread != nullptr;
}

DWORD WINAPI CSerialPort::MonitorThread(LPVOID port)
{
    static_cast<CSerialPort*>(port)->Monitor();
    return kMonitorExitCode;
}

void CSerialPort::Monitor()
{
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (m_portHandle) PurgeAll();
    }
    m_readPending = false;
    bool readable = true;
    for (;;) {
        const bool reading = readable && (m_readPending || ArmRead());
        DWORD signalled = WaitForMultipleObjects(kWaitCount, m_waitList, FALSE, reading ? INFINITE : kRetryIntervalMs);
        if (signalled == WAIT_OBJECT_0 + kReceive && m_readPending) {
            readable = CompleteRead();
        } else if (signalled == WAIT_TIMEOUT) {
            readable = true;
        } else if (signalled == WAIT_OBJECT_0 + kTransmit) {
            TransmitPending();
        } else if (signalled != WAIT_OBJECT_0 + kReceive) {
            break; // shutdown, or the wait itself failed
        }
    }
    CancelRead();
    m_threadAlive = 0;
}

// Keeps one overlapped read outstanding, which ends as soon as bytes arrive.
// A read wakes the thread sooner than a port event, and some drivers keep
// memory for every event wait that ends.
bool CSerialPort::ArmRead()
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (!m_portHandle) return false;
    ResetEvent(m_readIo.hEvent);
    DWORD received = 0;
    // Done at once or pending, the record's event tells the loop either way.
    m_readPending =
        ReadFile(m_portHandle, m_readBuffer.data(), static_cast<DWORD>(m_readBuffer.size()), &received, &m_readIo) ||
        GetLastError() == ERROR_IO_PENDING;
    return m_readPending;
}

// Hands the finished read's bytes to the receiver; false when the read failed.
bool CSerialPort::CompleteRead()
{
    DWORD received = 0;
    bool ok = false;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        ok = m_portHandle && GetOverlappedResult(m_portHandle, &m_readIo, &received, FALSE);
        ResetEvent(m_readIo.hEvent);
    }
    m_readPending = false;
    if (ok && received > 0) m_receiver->OnSerialBytes(m_readBuffer.data(), received);
    return ok;
}

// The driver writes into the buffer and the record when a read ends, so the
// thread that issued it ends it before either goes away.
void CSerialPort::CancelRead()
{
    if (!m_readPending) return;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (m_portHandle) CancelIo(m_portHandle);
    }
    WaitForSingleObject(m_readIo.hEvent, kMonitorStopTimeoutMs);
    ResetEvent(m_readIo.hEvent);
    m_readPending = false;
}

// Input still unread from an earlier reply must not be taken for the answer.
// The receiver hears of the discard outside the lock, as of every byte; only
// this thread delivers bytes, so each one delivered later arrived later.
void CSerialPort::TransmitPending()
{
    ResetEvent(m_transmitEvent);
    CancelRead(); // what it holds arrived before the discard
    if (!DiscardInput()) return;
    m_receiver->OnInputDiscarded();
    WriteQueued();
}

bool CSerialPort::DiscardInput()
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_portHandle) PurgeAll();
    return m_portHandle != nullptr;
}

void CSerialPort::WriteQueued()
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (!m_portHandle || m_bytesToTransmit == 0) return;
    DWORD written = 0;
    ResetEvent(m_writeIo.hEvent);
    if (!WriteFile(m_portHandle, m_transmitBuffer.data(), static_cast<DWORD>(m_bytesToTransmit), &written,
                   &m_writeIo) &&
        GetLastError() == ERROR_IO_PENDING)
        GetOverlappedResult(m_portHandle, &m_writeIo, &written, TRUE);
    m_bytesToTransmit = 0;
}

bool CSerialPort::Send(const void* bytes, std::size_t length)
{
    if (length > m_transmitBuffer.size()) return false;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        std::memcpy(m_transmitBuffer.data(), bytes, length);
        m_bytesToTransmit = length;
    }
    SetEvent(m_transmitEvent);
    return true;
}

void CSerialPort::Close()
{
    if (!IsOpen() && !m_monitorThread) return;
    SetEvent(m_shutdownEvent);
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (m_portHandle) {
            EscapeCommFunction(m_portHandle, CLRDTR);
            PurgeAll();
        }
    }
    StopMonitor();
    ReleaseHandle();
}

void CSerialPort::StopMonitor()
{
    if (!m_monitorThread) return;
    // Bounded: reads and writes time out after a second; a thread that is
    // still running afterwards finds the handle gone and ends on its own.
    WaitForSingleObject(m_monitorThread, kMonitorStopTimeoutMs);
    CloseHandle(m_monitorThread);
    m_monitorThread = nullptr;
    m_threadAlive = 0;
}

void CSerialPort::ReleaseHandle()
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_portHandle) {
        CloseHandle(m_portHandle);
        m_portHandle = nullptr;
    }
}
