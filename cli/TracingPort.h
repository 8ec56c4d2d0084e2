#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "cli/Ports.h"
#include "cli/TraceLog.h"

// Stands between the radio link and a port of the directory: passes every
// call and every byte through, and records them in the trace when there is one.
class CTracingPort : public ISerialTransport, public ISerialReceiver {
public:
    CTracingPort(const CPortDirectory& ports, CTraceLog* trace);
    ~CTracingPort() override;
    CTracingPort(const CTracingPort&) = delete;
    CTracingPort& operator=(const CTracingPort&) = delete;

    // The receiver of the bytes, set before the port is opened.
    void Attach(ISerialReceiver& receiver) { m_receiver = &receiver; }

    bool Open(int portNumber, int baudRate) override;
    bool StartMonitor() override;
    bool Send(const void* bytes, std::size_t length) override;
    void Close() override;

    void OnSerialByte(unsigned char byte) override;
    void OnSerialBytes(const unsigned char* bytes, std::size_t count) override;
    void OnInputDiscarded() override;

private:
    void Record(const std::string& what);

    const CPortDirectory& m_ports;
    CTraceLog* m_trace = nullptr;
    ISerialReceiver* m_receiver = nullptr;
    std::string m_name;
    bool m_open = false;
    // Queued bytes go on the line once unread input is discarded; they are
    // recorded then.
    std::mutex m_lock;
    std::vector<unsigned char> m_queued;
    std::unique_ptr<ISerialTransport> m_port;
};
