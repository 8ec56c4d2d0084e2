#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "radio/ReplyAssembler.h"

using namespace std::chrono_literals;

namespace {

void Feed(CReplyAssembler& assembler, const std::string& bytes)
{
    for (char byte : bytes) assembler.OnByte(static_cast<unsigned char>(byte));
}

// A reply begun, with unread input already discarded.
void BeginOpen(CReplyAssembler& assembler)
{
    assembler.Begin();
    assembler.Open();
}

} // namespace

TEST(ReplyAssembly, CompleteRepliesOfByteSequences)
{
    const std::pair<const char*, const char*> cases[] = {
        {"\r\nOK\r\nlater\r\n", "\rOK"},
        {"cfg_prtl\r\nprotocol HUACE\r\n", "\rprotocol HUACE"}, // the echo is dropped
        {"\r\n\rA\r", "\rA"}, // an empty line neither ends nor extends
        {"\r\nOKACKmore", "\rOK"}, // the letters end the reply and are not its text
        {"\r\nAC", ""},
        {"\r\x80\xff\r", "\r\x80\xff"},
    };
    for (const auto& [bytes, reply] : cases) {
        CReplyAssembler assembler;
        BeginOpen(assembler);
        Feed(assembler, bytes);
        EXPECT_EQ(assembler.IsComplete() ? assembler.Snapshot() : "", reply) << bytes;
        assembler.Begin();
        EXPECT_FALSE(assembler.IsComplete());
        EXPECT_EQ(assembler.Snapshot(), "");
    }
}

TEST(ReplyAssembly, BytesBeforeTheDiscardBelongToNoReply)
{
    CReplyAssembler assembler;
    BeginOpen(assembler);
    Feed(assembler, "\r\nOK\r\n");
    assembler.Begin();
    Feed(assembler, "\r\nOK\r\n\r");
    assembler.Open();
    EXPECT_FALSE(assembler.IsComplete());
    EXPECT_EQ(assembler.Snapshot(), "");
    Feed(assembler, "\r\nprotocol HUACE\r\n");
    EXPECT_EQ(assembler.Snapshot(), "\rprotocol HUACE");
}

TEST(ReplyAssembly, WaitEndsWhenAnotherThreadCompletesTheReply)
{
    CReplyAssembler assembler;
    BeginOpen(assembler);
    std::thread port([&] {
        std::this_thread::sleep_for(20ms);
        Feed(assembler, "\r\ncurrent channel 3\r\n");
    });
    EXPECT_TRUE(assembler.WaitComplete(2000ms));
    port.join();
    EXPECT_EQ(assembler.Snapshot(), "\rcurrent channel 3");
}

TEST(ReplyAssembly, WaitTimesOutOnAnIncompleteReplyAndTheSnapshotStaysUsable)
{
    CReplyAssembler assembler;
    BeginOpen(assembler);
    Feed(assembler, "\r\npartial");
    EXPECT_FALSE(assembler.WaitComplete(30ms));
    std::thread late([&] { Feed(assembler, std::string(10000, 'x')); });
    for (int i = 0; i < 100; ++i) EXPECT_EQ(assembler.Snapshot().compare(0, 8, "\rpartial"), 0);
    late.join();
    EXPECT_EQ(assembler.Snapshot().size(), 8u + 10000u);
}
