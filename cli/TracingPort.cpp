#include "cli/TracingPort.h"

CTracingPort::CTracingPort(const CPortDirectory& ports, CTraceLog* trace)
    : m_ports(ports)
    , m_trace(trace)
    , m_port(ports.MakeTransport(*this))
{}

// The port's thread calls back into this object: it ends first.
CTracingPort::~CTracingPort()
{
    m_port->Close();
}

bool CTracingPort::Open(int portNumber, int baudRate)
{
    m_name = m_ports.NameOf(portNumber);
    m_open = m_port->Open(portNumber, baudRate);
    Record((m_open ? "open " : "open refused ") + std::to_string(baudRate));
    return m_open;
}

bool CTracingPort::StartMonitor()
{
    return m_port->StartMonitor();
}

bool CTracingPort::Send(const void* bytes, std::size_t length)
{
    if (m_trace) {
        const auto* first = static_cast<const unsigned char*>(bytes);
        std::lock_guard<std::mutex> guard(m_lock);
        m_queued.assign(first, first + length);
    }
    return m_port->Send(bytes, length);
}

void CTracingPort::Close()
{
    m_port->Close();
    if (m_open) Record("close");
    m_open = false;
}

void CTracingPort::OnSerialByte(unsigned char byte)
{
    OnSerialBytes(&byte, 1);
}

void CTracingPort::OnSerialBytes(const unsigned char* bytes, std::size_t count)
{
    if (m_trace) m_trace->Bytes(m_name, "recv", bytes, count);
    m_receiver->OnSerialBytes(bytes, count);
}

void CTracingPort::OnInputDiscarded()
{
    if (m_trace) {
        std::lock_guard<std::mutex> guard(m_lock);
        m_trace->Bytes(m_name, "send", m_queued.data(), m_queued.size());
        m_queued.clear();
    }
    m_receiver->OnInputDiscarded();
}

void CTracingPort::Record(const std::string& what)
{
    if (m_trace) m_trace->Event(m_name, what);
}
