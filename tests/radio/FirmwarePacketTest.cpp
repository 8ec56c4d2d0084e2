#include <gtest/gtest.h>

#include <cstdint>

#include "radio/FirmwarePacket.h"

namespace {

using namespace FirmwarePacket;

TEST(FirmwarePacketTest, ProgressOfLargeFilesStaysInRangeAndEndsFull)
{
    for (std::uint64_t pages : {1u, 240u, 20000u}) {
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
        EXPECT_EQ(PageCount(size + 255), pages + 1);
    }
}

} // namespace
