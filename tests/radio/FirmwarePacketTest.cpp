#include <gtest/gtest.h>

#include <cstdint>

#include "radio/FirmwarePacket.h"

namespace {

using namespace FirmwarePacket;

TEST(FirmwarePacketTest, ChecksumIsTheByteSumSentHighByteFirst)
{
    Page ones;
    ones.fill(0xFF);
    EXPECT_EQ(Checksum(ones), 65280u);
    Packet packet = BuildPacket(ones);
    EXPECT_EQ(packet[255], 0xFF);
    EXPECT_EQ(packet[256], 0xFF);
    EXPECT_EQ(packet[257], 0x00);

    Page ramp{};
    for (std::size_t i = 0; i < ramp.size(); ++i)
        ramp[i] = static_cast<unsigned char>(i);
    packet = BuildPacket(ramp);
    EXPECT_EQ(packet[0], 0);
    EXPECT_EQ(packet[200], 200);
    // 0 + 1 + ... + 255 = 32640 = 0x7F80
    EXPECT_EQ(packet[256], 0x7F);
    EXPECT_EQ(packet[257], 0x80);
}

TEST(FirmwarePacketTest, PagePlanSkipsTheHeaderAndTheShortTail)
{
    EXPECT_FALSE(IsAcceptedSize(0));
    EXPECT_FALSE(IsAcceptedSize(4096));
    EXPECT_TRUE(IsAcceptedSize(4097));
    EXPECT_EQ(PageCount(4096), 0u);
    EXPECT_EQ(PageCount(4097), 1u);
    EXPECT_EQ(PageCount(4096 + 255), 1u);
    EXPECT_EQ(PageCount(4096 + 256), 2u);
    EXPECT_EQ(PageCount(4096 + 256 * 240 + 17), 241u);
    EXPECT_EQ(PageOffset(0), 0u);
    EXPECT_EQ(PageOffset(1), 4096u);
    EXPECT_EQ(PageOffset(3), 4096u + 512u);
}

TEST(FirmwarePacketTest, ProgressOfWholePagesRisesToExactlyFull)
{
    for (std::uint64_t pages : {1u, 2u, 240u, 20000u}) {
        SCOPED_TRACE(pages);
        std::uint64_t size = 4096 + 256 * pages;
        int previous = 0;
        for (std::uint64_t index = 1; index <= pages; ++index) {
            int progress = ProgressAfterPage(index, size);
            ASSERT_GE(progress, previous) << "page " << index;
            ASSERT_LE(progress, 10000) << "page " << index;
            previous = progress;
        }
        EXPECT_EQ(previous, 10000);
    }
}

TEST(FirmwarePacketTest, ProgressOfAFileWithATailEndsBelowFull)
{
    EXPECT_EQ(ProgressAfterPage(1, 4096 + 256 + 1), 9980);  // 5120000 / 513
    EXPECT_LT(ProgressAfterPage(20000, 4096 + 256 * 20000 + 255), 10000);
    EXPECT_GT(ProgressAfterPage(20000, 4096 + 256 * 20000 + 255), 9990);
}

}  // namespace
