#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <memory>
#include <string>

#include "radio/RadioPanel.h"
#include "radio/ReplyAssembler.h"
#include "serial/SerialReceiver.h"
#include "serial/SerialTransport.h"

// The command/reply layer: opens the port chosen in the panel, sends a
// command, waits for the radio's one-line reply and reports results.
class CRadioLink : public ISerialReceiver {
public:
    static constexpr std::chrono::milliseconds kReplyWait{31 * 15};
    static constexpr int kUpgradeBaud = 115200;

    // Talks through the given transport, whose bytes must come to OnSerialByte
    // and which must call OnInputDiscarded before each transmission.
    CRadioLink(IRadioPanel& panel, ISerialTransport& transport);
    // How long SendAndWait waits for a complete reply.
    void SetReplyWait(std::chrono::milliseconds wait) { m_replyWait = wait; }

    bool OpenRadioPort(bool useUpgradeBaud);
    // Opens the given COM port and starts its monitoring thread.
    bool OpenPort(int portNumber, int baudRate);
    bool SendAndWait(const void* bytes, std::size_t length);
    bool SendCommand(const std::string& text);
    bool SendExpectOk(const std::string& text);
    // Queues bytes without waiting for an answer.
    bool Send(const void* bytes, std::size_t length);
    void Close();

    // The last exchange: whether its reply was complete, the reply buffer as
    // it stood when the wait ended, and the text after the opening byte.
    bool ReplyComplete() const { return m_replyComplete; }
    const std::string& Reply() const { return m_reply; }
    std::string ReplyText() const;
    bool ReplyContains(const char* text) const;
    bool ReplyHoldsNul() const { return m_reply.find('\0') != std::string::npos; }

    // Status label with the command's text and the result, then the port closed.
    void ShowOperationResult(bool success, RadioCommand command);
    // The status label only; for operations that do not use the port.
    void ShowResult(bool success, RadioCommand command);

    std::size_t BytesSent() const { return m_bytesSent; }
    std::size_t BytesReceived() const { return m_bytesReceived; }

    void OnSerialByte(unsigned char byte) override;
    void OnInputDiscarded() override;

protected:
    using PortMaker = std::unique_ptr<ISerialTransport> (*)(ISerialReceiver& receiver);
    // Talks through a port of its own, made for this link.
    CRadioLink(IRadioPanel& panel, PortMaker makePort);

private:
    int SelectedPortNumber() const;

    IRadioPanel& m_panel;
    CReplyAssembler m_assembler;
    bool m_replyComplete = false;
    std::string m_reply;
    std::size_t m_bytesSent = 0;
    std::atomic<std::size_t> m_bytesReceived{0};
    std::chrono::milliseconds m_replyWait = kReplyWait;
    // Last, so that it is destroyed first: its thread feeds the assembler.
    std::unique_ptr<ISerialTransport> m_ownPort;
    ISerialTransport& m_port;
};
