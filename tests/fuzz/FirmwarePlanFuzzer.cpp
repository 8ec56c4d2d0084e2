// The firmware page plan over any file: which bytes go out in which page,
// the packets' checksums and the progress reported after each page.
#include <cstdint>
#include <cstring>

#include "radio/FirmwarePacket.h"
#include "tests/fuzz/FuzzCheck.h"

using namespace FirmwarePacket;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::uint64_t pages = PageCount(size);
    FUZZ_CHECK(IsAcceptedSize(size) == (pages > 0));
    int progress = 0;
    for (std::uint64_t index = 0; index < pages; ++index) {
        const std::uint64_t offset = PageOffset(index);
        FUZZ_CHECK(offset + kPageSize <= size);
        FUZZ_CHECK(index == 0 || offset >= kBodyOffset);
        Page page{};
        std::memcpy(page.data(), data + offset, kPageSize);
        const Packet packet = BuildPacket(page);
        unsigned sum = 0;
        for (std::size_t i = 0; i < kPageSize; ++i) {
            FUZZ_CHECK(packet[i] == page[i]);
            sum += page[i];
        }
        FUZZ_CHECK(packet[kPageSize] == (sum >> 8) && packet[kPageSize + 1] == (sum & 0xFF));
        if (index == 0) continue;
        const int next = ProgressAfterPage(index, size);
        FUZZ_CHECK(next >= progress && next <= kFullProgress);
        progress = next;
    }
    // Whole pages to the end make the progress end at exactly 100 %.
    if (pages > 1 && (size - kBodyOffset) % kPageSize == 0) FUZZ_CHECK(progress == kFullProgress);
    return 0;
}
