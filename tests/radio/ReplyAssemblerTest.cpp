#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "radio/ReplyAssembler.h"

using namespace std::chrono_literals;

namespace {

void Feed(CReplyAssembler& assembler, const std::string& bytes)
{
    for (char byte : bytes)
        assembler.OnByte(static_cast<unsigned char>(byte));
}

// The reply a fresh assembly makes of these bytes; empty when incomplete.
std::string Reply(const std::string& bytes)
{
    CReplyAssembler assembler;
    assembler.Begin();
    Feed(assembler, bytes);
    return assembler.IsComplete() ? assembler.Snapshot() : std::string();
}

}  // namespace

TEST(ReplyAssembly, ReplyIsTheTextBetweenTheFirstTwoCarriageReturns)
{
    EXPECT_EQ(Reply("\r\nOK\r\nlater\r\n"), "\rOK");
}

TEST(ReplyAssembly, EchoBeforeTheOpeningCarriageReturnIsDropped)
{
    EXPECT_EQ(Reply("cfg_prtl\r\nprotocol HUACE\r\n"), "\rprotocol HUACE");
}

TEST(ReplyAssembly, EmptyLineNeitherCompletesNorExtends)
{
    CReplyAssembler assembler;
    assembler.Begin();
    Feed(assembler, "\r\n\r");
    EXPECT_FALSE(assembler.IsComplete());
    EXPECT_EQ(assembler.Snapshot(), "\r");
    assembler.OnByte('A');
    assembler.OnByte('\r');
    EXPECT_TRUE(assembler.IsComplete());
    EXPECT_EQ(assembler.Snapshot(), "\rA");
}

TEST(ReplyAssembly, AckEndsAReplyWithoutCarriageReturn)
{
    EXPECT_EQ(Reply("\r\nOKACKmore"), "\rOKACK");
    EXPECT_EQ(Reply("\r\nAC"), "");
    EXPECT_EQ(Reply("ACK"), "");
}

TEST(ReplyAssembly, BeginStartsAFreshReply)
{
    CReplyAssembler assembler;
    assembler.Begin();
    Feed(assembler, "\r\nfirst\r\n");
    assembler.Begin();
    EXPECT_FALSE(assembler.IsComplete());
    EXPECT_EQ(assembler.Snapshot(), "");
    assembler.OnByte('\r');
    assembler.OnByte('2');
    assembler.OnByte('\r');
    EXPECT_EQ(assembler.Snapshot(), "\r2");
}

TEST(ReplyAssembly, BytesAboveAsciiAreKept)
{
    EXPECT_EQ(Reply("\r\x80\xff\r"), "\r\x80\xff");
}

TEST(ReplyAssembly, WaitReturnsWhenAnotherThreadCompletesTheReply)
{
    CReplyAssembler assembler;
    assembler.Begin();
    std::thread port([&] {
        std::this_thread::sleep_for(20ms);
        for (char byte : std::string("\r\ncurrent channel 3\r\n"))
            assembler.OnByte(static_cast<unsigned char>(byte));
    });
    EXPECT_TRUE(assembler.WaitComplete(2000ms));
    port.join();
    EXPECT_EQ(assembler.Snapshot(), "\rcurrent channel 3");
}

TEST(ReplyAssembly, WaitTimesOutOnAnIncompleteReplyAndTheSnapshotStaysUsable)
{
    CReplyAssembler assembler;
    assembler.Begin();
    Feed(assembler, "\r\npartial");
    EXPECT_FALSE(assembler.WaitComplete(30ms));
    std::thread late([&] {
        for (int i = 0; i < 10000; ++i)
            assembler.OnByte('x');
    });
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(assembler.Snapshot().compare(0, 8, "\rpartial"), 0);
    late.join();
    EXPECT_EQ(assembler.Snapshot().size(), 8u + 10000u);
}
