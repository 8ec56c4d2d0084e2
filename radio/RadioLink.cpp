#include "radio/RadioLink.h"

#include "radio/PortItem.h"
#include "radio/RadioTables.h"

CRadioLink::CRadioLink(IRadioPanel& panel, PortMaker makePort)
    : m_panel(panel)
    , m_ownPort(makePort(*this))
    , m_port(*m_ownPort)
{}

CRadioLink::CRadioLink(IRadioPanel& panel, ISerialTransport& transport)
    : m_panel(panel)
    , m_port(transport)
{}

int CRadioLink::SelectedPortNumber() const
{
    return PortItemNumber(m_panel.ListText(RadioList::ComPort));
}

bool CRadioLink::OpenRadioPort(bool useUpgradeBaud)
{
    int baud = useUpgradeBaud ? kUpgradeBaud : LeadingInteger(m_panel.ListText(RadioList::ConnectionRate));
    return OpenPort(SelectedPortNumber(), baud);
}

bool CRadioLink::OpenPort(int portNumber, int baudRate)
{
    return m_port.Open(portNumber, baudRate) && m_port.StartMonitor();
}

// The reply opens only once the port has discarded what arrived before the
// command went out (OnInputDiscarded), so no late line can answer it.
bool CRadioLink::SendAndWait(const void* bytes, std::size_t length)
{
    m_assembler.Begin();
    Send(bytes, length);
    m_replyComplete = m_assembler.WaitComplete(m_replyWait);
    m_reply = m_assembler.Snapshot();
    return m_replyComplete;
}

bool CRadioLink::SendCommand(const std::string& text)
{
    return SendAndWait(text.data(), text.size());
}

bool CRadioLink::SendExpectOk(const std::string& text)
{
    return SendCommand(text) && ReplyContains("OK");
}

bool CRadioLink::Send(const void* bytes, std::size_t length)
{
    m_bytesSent += length;
    return m_port.Send(bytes, length);
}

void CRadioLink::Close()
{
    m_port.Close();
}

std::string CRadioLink::ReplyText() const
{
    return m_reply.empty() ? std::string() : m_reply.substr(1);
}

bool CRadioLink::ReplyContains(const char* text) const
{
    return m_reply.find(text) != std::string::npos;
}

void CRadioLink::ShowOperationResult(bool success, RadioCommand command)
{
    ShowResult(success, command);
    Close();
}

void CRadioLink::ShowResult(bool success, RadioCommand command)
{
    m_panel.ShowResult(command, success);
}

void CRadioLink::OnSerialByte(unsigned char byte)
{
    ++m_bytesReceived;
    m_assembler.OnByte(byte);
}

void CRadioLink::OnInputDiscarded()
{
    m_assembler.Open();
}
