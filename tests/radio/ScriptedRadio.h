#pragma once

#include <map>
#include <string>
#include <vector>

#include "serial/SerialReceiver.h"
#include "serial/SerialTransport.h"

// A transport that answers each command at once from a table, discarding
// unread input and feeding the reply's bytes to the receiver as the port's
// monitoring thread would.
class CScriptedRadio : public ISerialTransport {
public:
    void SetReceiver(ISerialReceiver* receiver) { m_receiver = receiver; }
    void SetOpenSucceeds(bool succeeds) { m_openSucceeds = succeeds; }
    // The bytes sent back for a command; a command without an answer times out.
    void Answer(const std::string& command, const std::string& reply) { m_replies[command] = reply; }
    void Silence(const std::string& command) { m_replies[command].clear(); }
    // The answer to commands the table does not name; empty for none.
    void AnswerOthers(const std::string& reply) { m_otherReply = reply; }
    // Bytes the radio sends after every reply; they arrive while the next
    // command is being queued, before the port discards unread input.
    void Trail(const std::string& bytes) { m_trail = bytes; }
    // Answers garbled bytes unless opened on this port at this rate, as a
    // radio heard at another rate does.
    void ListenOnlyAt(int port, int baud) { m_listenPort = port, m_listenBaud = baud; }

    const std::vector<std::string>& Sent() const { return m_sent; }
    // Every opening as "port baud", in order.
    const std::vector<std::string>& Openings() const { return m_openings; }
    bool IsOpen() const { return m_open; }

    bool Open(int portNumber, int baudRate) override
    {
        m_port = portNumber;
        m_baud = baudRate;
        m_openings.push_back(std::to_string(portNumber) + " " + std::to_string(baudRate));
        m_open = m_openSucceeds;
        return m_open;
    }
    bool StartMonitor() override { return m_open; }
    bool Send(const void* bytes, std::size_t length) override
    {
        if (!m_open) return true;
        std::string command(static_cast<const char*>(bytes), length);
        m_sent.push_back(command);
        Deliver(m_late);
        m_receiver->OnInputDiscarded();
        const bool garbled = m_listenPort != 0 && (m_port != m_listenPort || m_baud != m_listenBaud);
        auto found = m_replies.find(command);
        const std::string reply = found != m_replies.end() ? found->second : m_otherReply;
        Deliver(garbled ? std::string("\r\x86\xfe\x9f\r") : reply);
        m_late = m_trail;
        return true;
    }
    void Close() override { m_open = false; }

private:
    void Deliver(const std::string& bytes)
    {
        for (char byte : bytes) m_receiver->OnSerialByte(static_cast<unsigned char>(byte));
    }

    ISerialReceiver* m_receiver = nullptr;
    bool m_openSucceeds = true;
    bool m_open = false;
    int m_port = 0;
    int m_baud = 0;
    int m_listenPort = 0;
    int m_listenBaud = 0;
    std::vector<std::string> m_openings;
    std::map<std::string, std::string> m_replies;
    std::string m_otherReply;
    std::string m_trail;
    std::string m_late;
    std::vector<std::string> m_sent;
};
