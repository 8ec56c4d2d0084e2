// The radio's byte stream: the reply assembler over arbitrary bytes, then
// connect, read, write, verify and disconnect against a radio whose every
// answer comes from the input.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "radio/MemoryRadioPanel.h"
#include "radio/RadioLink.h"
#include "radio/RadioOperations.h"
#include "radio/RadioTexts.h"
#include "radio/RadioVerifier.h"
#include "radio/ReplyAssembler.h"
#include "serial/SerialTransport.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

// The input as a byte of options, then pieces of one length byte and that
// many bytes (fewer at the end); 0 and empty pieces past the end.
struct CFuzzInput {
    std::uint8_t Byte() { return pos < size ? data[pos++] : 0; }
    std::string Piece()
    {
        const std::size_t length = std::min<std::size_t>(Byte(), size - pos);
        pos += length;
        return std::string(reinterpret_cast<const char*>(data + pos - length), length);
    }

    const std::uint8_t* data;
    std::size_t size;
    std::size_t pos = 0;
};

enum Option : std::uint8_t {
    kPortFails = 1, // the port does not open
    kStaleBytes = 2, // a piece arrives before each command's discard
    kWritableValues = 4, // valid values are entered before the write
    kUnlocked = 8, // serial number and hardware are unlocked for the write
    kChinese = 16,
};

// Answers every command with the next piece of the input.
class CFuzzRadio : public ISerialTransport {
public:
    CFuzzRadio(CFuzzInput& input, std::uint8_t options)
        : m_input(input)
        , m_options(options)
    {}

    void SetReceiver(ISerialReceiver* receiver) { m_receiver = receiver; }
    bool IsOpen() const { return m_open; }
    const std::vector<std::string>& Sent() const { return m_sent; }

    bool Open(int, int) override { return m_open = !(m_options & kPortFails); }
    bool StartMonitor() override { return m_open; }
    bool Send(const void* bytes, std::size_t length) override
    {
        if (!m_open) return true;
        m_sent.emplace_back(static_cast<const char*>(bytes), length);
        if (m_options & kStaleBytes) Deliver(m_input.Piece());
        m_receiver->OnInputDiscarded();
        Deliver(m_input.Piece());
        return true;
    }
    void Close() override { m_open = false; }

private:
    void Deliver(const std::string& bytes)
    {
        for (char byte : bytes) m_receiver->OnSerialByte(static_cast<unsigned char>(byte));
    }

    CFuzzInput& m_input;
    std::uint8_t m_options;
    ISerialReceiver* m_receiver = nullptr;
    bool m_open = false;
    std::vector<std::string> m_sent;
};

void CheckReply(const std::string& reply)
{
    FUZZ_CHECK(!reply.empty() && reply[0] == '\r');
    FUZZ_CHECK(reply.find('\n') == std::string::npos);
    FUZZ_CHECK(reply.find('\r', 1) == std::string::npos);
}

// Replies start at a carriage return after the discard and end at the next
// one after some text, or at "ACK"; once complete they no longer change.
void AssembleStream(const std::uint8_t* data, std::size_t size)
{
    CReplyAssembler assembler;
    assembler.Begin();
    for (std::size_t i = 0; i < size; ++i) {
        assembler.OnByte(data[i]);
        FUZZ_CHECK(assembler.Snapshot().empty());
    }
    assembler.Open();
    for (std::size_t i = 0; i < size; ++i) {
        const bool wasComplete = assembler.IsComplete();
        const std::string before = wasComplete ? assembler.Snapshot() : std::string();
        assembler.OnByte(data[i]);
        if (wasComplete) {
            FUZZ_CHECK(assembler.Snapshot() == before);
            assembler.Begin();
            assembler.Open();
        } else if (assembler.IsComplete()) {
            CheckReply(assembler.Snapshot());
        }
    }
}

void CheckPanel(const CMemoryRadioPanel& panel, const CFuzzRadio& radio, RadioCommand command)
{
    FUZZ_CHECK(!radio.IsOpen());
    const std::string verdict = RadioTexts::ResultSuffix(panel.IsChinese(), panel.StatusSuccess());
    FUZZ_CHECK(panel.StatusText() == panel.CommandText(command) + verdict);
    for (RadioList list : {RadioList::Protocol, RadioList::CurrentChannel, RadioList::HighPower, RadioList::LowPower,
                           RadioList::ConnectionRate, RadioList::PortBaud, RadioList::LinkBaud, RadioList::ComPort}) {
        const int selected = panel.SelectedIndex(list);
        FUZZ_CHECK(selected >= -1 && selected < panel.ListItemCount(list));
    }
    FUZZ_CHECK(panel.FieldText(RadioField::SerialNumber).size() <= 9);
    FUZZ_CHECK(panel.FieldText(RadioField::Hardware).size() <= 4);
}

void EnterWritableValues(CMemoryRadioPanel& panel)
{
    for (int channel = 0; channel < kChannelCount; ++channel)
        panel.SetChannelText(channel, FormatFrequency(411.125 + channel));
    panel.SelectListItem(RadioList::Protocol, 1);
    panel.SelectListItem(RadioList::CurrentChannel, 4);
    panel.SelectListItem(RadioList::PortBaud, 3);
    panel.SelectListItem(RadioList::LinkBaud, 2);
}

void Operate(CFuzzInput& input)
{
    const std::uint8_t options = input.Byte();
    CMemoryRadioPanel panel;
    panel.SetChinese(options & kChinese);
    CFuzzRadio radio(input, options);
    CRadioLink link(panel, radio);
    link.SetReplyWait(std::chrono::milliseconds(0));
    radio.SetReceiver(&link);
    CRadioOperations operations(panel, link);
    panel.OnProtocolSelected([&operations](int protocol) { operations.OfferLinkRates(protocol); });
    operations.FillValueLists();
    panel.AddListItem(RadioList::ComPort, " COM5");
    panel.SelectListItem(RadioList::ComPort, 0);

    operations.EnterConfigMode();
    CheckPanel(panel, radio, RadioCommand::Connect);
    operations.ReadAllParameters();
    CheckPanel(panel, radio, RadioCommand::Read);

    if (options & kWritableValues) EnterWritableValues(panel);
    if (options & kUnlocked) {
        operations.UnlockField(RadioField::SerialNumber);
        operations.UnlockField(RadioField::Hardware);
    }
    const std::size_t sentBefore = radio.Sent().size();
    operations.WriteParameters();
    CheckPanel(panel, radio, RadioCommand::Write);
    for (std::size_t i = sentBefore; i < radio.Sent().size(); ++i) {
        const std::string& command = radio.Sent()[i];
        FUZZ_CHECK(command.size() < CRadioOperations::kCommandBufferSize && command.back() == '\r');
    }

    CRadioVerifier verifier(panel, link);
    const bool same = verifier.Verify().success;
    CheckPanel(panel, radio, RadioCommand::Verify);
    FUZZ_CHECK(same == panel.StatusSuccess());
    FUZZ_CHECK(!same || verifier.Differences().empty());

    operations.LeaveConfigMode();
    CheckPanel(panel, radio, RadioCommand::Disconnect);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    AssembleStream(data, size);
    CFuzzInput input{data, size};
    Operate(input);
    return 0;
}
