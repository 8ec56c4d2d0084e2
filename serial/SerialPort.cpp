#include "serial/SerialPort.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr DWORD kMonitorStopTimeoutMs = 2000;
// Used only when the driver cannot wait for port events.
constexpr DWORD kPollIntervalMs = 10;
constexpr DWORD kWatchedEvents = EV_RXCHAR;

HANDLE NewManualResetEvent()
{
    return CreateEventA(nullptr, TRUE, FALSE, nullptr);
}

}  // namespace

CSerialPort::CSerialPort(ISerialReceiver* receiver)
    : m_receiver(receiver)
{
    m_transmitEvent = NewManualResetEvent();
    m_shutdownEvent = NewManualResetEvent();
    m_eventWait.hEvent = NewManualResetEvent();
    m_readIo.hEvent = NewManualResetEvent();
    m_writeIo.hEvent = NewManualResetEvent();
    m_waitList[kShutdown] = m_shutdownEvent;
    m_waitList[kReceive] = m_eventWait.hEvent;
    m_waitList[kTransmit] = m_transmitEvent;
}

CSerialPort::~CSerialPort()
{
    Close();
    for (HANDLE event : {m_transmitEvent, m_shutdownEvent, m_eventWait.hEvent,
                         m_readIo.hEvent, m_writeIo.hEvent}) {
        if (event)
            CloseHandle(event);
    }
}

bool CSerialPort::Open(int portNumber, int baudRate)
{
    Close();
    for (HANDLE event : m_waitList)
        ResetEvent(event);
    m_portNumber = portNumber;
    m_bytesToTransmit = 0;

    char deviceName[32];
    std::snprintf(deviceName, sizeof deviceName, "\\\\.\\COM%d", portNumber);
    std::lock_guard<std::mutex> guard(m_lock);
    HANDLE handle = CreateFileA(deviceName, GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    m_portHandle = handle;
    Configure(baudRate);
    PurgeAll();
    return true;
}

// Settings the driver refuses are not fatal: the port keeps what it had.
void CSerialPort::Configure(int baudRate)
{
    if (!SetCommTimeouts(m_portHandle, &m_timeouts) || !SetCommMask(m_portHandle, kWatchedEvents))
        return;
    m_lineSettings = {};
    m_lineSettings.DCBlength = sizeof m_lineSettings;
    if (!GetCommState(m_portHandle, &m_lineSettings))
        return;
    m_lineSettings.fRtsControl = RTS_CONTROL_ENABLE;
    m_lineSettings.EvtChar = 'q';
    char settings[64];
    std::snprintf(settings, sizeof settings, "baud=%d parity=%c data=%d stop=%d", baudRate, 'N', 8, 1);
    if (BuildCommDCBA(settings, &m_lineSettings))
        SetCommState(m_portHandle, &m_lineSettings);
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
    if (!IsOpen() || m_monitorThread)
        return false;
    m_threadAlive = 1;
    m_monitorThread = CreateThread(nullptr, 0, MonitorThread, this, 0, nullptr);
    if (!m_monitorThread)
        m_threadAlive = 0;
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
        if (m_portHandle)
            PurgeAll();
    }
    m_eventWaitPending = false;
    for (;;) {
        bool canWait = m_eventWaitPending || ArmEventWait();
        DWORD signalled = WaitForMultipleObjects(kWaitCount, m_waitList, FALSE,
                                                 canWait ? INFINITE : kPollIntervalMs);
        if (signalled == WAIT_OBJECT_0 + kReceive || signalled == WAIT_TIMEOUT) {
            m_eventWaitPending = false;
            ReadAvailable();
        } else if (signalled == WAIT_OBJECT_0 + kTransmit) {
            TransmitPending();
        } else {
            break;  // shutdown, or the wait itself failed
        }
    }
    EndEventWait();
    m_threadAlive = 0;
}

// Starts an overlapped wait for a port event; false when the driver cannot
// wait (the caller then polls). Bytes already waiting signal the receive event.
bool CSerialPort::ArmEventWait()
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (!m_portHandle)
        return false;
    for (;;) {
        ResetEvent(m_eventWait.hEvent);
        m_eventMask = 0;
        if (!WaitCommEvent(m_portHandle, &m_eventMask, &m_eventWait)) {
            m_eventWaitPending = GetLastError() == ERROR_IO_PENDING;
            return m_eventWaitPending;
        }
        DWORD errors = 0;
        COMSTAT status = {};
        ClearCommError(m_portHandle, &errors, &status);
        if (status.cbInQue > 0) {
            SetEvent(m_eventWait.hEvent);
            return true;
        }
    }
}

void CSerialPort::ReadAvailable()
{
    for (;;) {
        unsigned char chunk[256];
        DWORD received = 0;
        {
            std::lock_guard<std::mutex> guard(m_lock);
            DWORD errors = 0;
            COMSTAT status = {};
            if (!m_portHandle || !ClearCommError(m_portHandle, &errors, &status) || status.cbInQue == 0)
                return;
            DWORD wanted = std::min<DWORD>(status.cbInQue, sizeof chunk);
            ResetEvent(m_readIo.hEvent);
            if (!ReadFile(m_portHandle, chunk, wanted, &received, &m_readIo)) {
                received = 0;
                if (GetLastError() == ERROR_IO_PENDING
                    && !GetOverlappedResult(m_portHandle, &m_readIo, &received, TRUE))
                    received = 0;
            }
        }
        if (received == 0)
            return;
        for (DWORD i = 0; i < received; ++i)
            m_receiver->OnSerialByte(chunk[i]);
    }
}

// Input still unread from an earlier reply must not be taken for the answer.
// The receiver hears of the discard outside the lock, as of every byte; only
// this thread delivers bytes, so each one delivered later arrived later.
void CSerialPort::TransmitPending()
{
    ResetEvent(m_transmitEvent);
    if (!DiscardInput())
        return;
    m_receiver->OnInputDiscarded();
    WriteQueued();
}

bool CSerialPort::DiscardInput()
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_portHandle)
        PurgeAll();
    return m_portHandle != nullptr;
}

void CSerialPort::WriteQueued()
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (!m_portHandle || m_bytesToTransmit == 0)
        return;
    DWORD written = 0;
    ResetEvent(m_writeIo.hEvent);
    if (!WriteFile(m_portHandle, m_transmitBuffer.data(), static_cast<DWORD>(m_bytesToTransmit),
                   &written, &m_writeIo)
        && GetLastError() == ERROR_IO_PENDING)
        GetOverlappedResult(m_portHandle, &m_writeIo, &written, TRUE);
    m_bytesToTransmit = 0;
}

bool CSerialPort::Send(const void* bytes, std::size_t length)
{
    if (length > m_transmitBuffer.size())
        return false;
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
    if (!IsOpen() && !m_monitorThread)
        return;
    SetEvent(m_shutdownEvent);
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (m_portHandle) {
            SetCommMask(m_portHandle, EV_TXEMPTY);  // ends a pending event wait
            EscapeCommFunction(m_portHandle, CLRDTR);
            PurgeAll();
        }
    }
    StopMonitor();
    ReleaseHandle();
}

void CSerialPort::StopMonitor()
{
    if (!m_monitorThread)
        return;
    // Bounded: reads and writes time out after a second; a thread that is
    // still running afterwards finds the handle gone and ends on its own.
    WaitForSingleObject(m_monitorThread, kMonitorStopTimeoutMs);
    CloseHandle(m_monitorThread);
    m_monitorThread = nullptr;
    m_threadAlive = 0;
}

// The driver writes the mask and the record when a wait ends, even a cancelled
// one, and delivers that to the thread that issued the wait: so this thread
// ends its own wait before it goes, and the object outlives it. Setting the
// mask ends a wait on every driver (cancelling does not under Wine).
void CSerialPort::EndEventWait()
{
    if (!m_eventWaitPending)
        return;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (m_portHandle)
            SetCommMask(m_portHandle, kWatchedEvents);
    }
    WaitForSingleObject(m_eventWait.hEvent, kMonitorStopTimeoutMs);
    m_eventWaitPending = false;
}

void CSerialPort::ReleaseHandle()
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_portHandle) {
        CloseHandle(m_portHandle);
        m_portHandle = nullptr;
    }
}
