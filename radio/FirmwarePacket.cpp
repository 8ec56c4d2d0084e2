#include "radio/FirmwarePacket.h"

namespace FirmwarePacket {

namespace {

// Progress counts bytes in hundredths of a percent: one page is 256 × 10000.
constexpr std::uint64_t kPageProgress = kPageSize * kFullProgress;
// The bytes never sent: 256 to 4095.
constexpr std::uint64_t kSkipped = kBodyOffset - kPageSize;

} // namespace

unsigned Checksum(const Page& page)
{
    unsigned sum = 0;
    for (unsigned char byte : page) sum += byte;
    return sum;
}

Packet BuildPacket(const Page& page)
{
    Packet packet{};
    unsigned sum = Checksum(page);
    for (std::size_t i = 0; i < kPageSize; ++i) packet[i] = page[i];
    packet[kPageSize] = static_cast<unsigned char>(sum >> 8);
    packet[kPageSize + 1] = static_cast<unsigned char>(sum & 0xFF);
    return packet;
}

bool IsAcceptedSize(std::uint64_t fileSize)
{
    return fileSize > kBodyOffset;
}

std::uint64_t PageCount(std::uint64_t fileSize)
{
    return IsAcceptedSize(fileSize) ? 1 + (fileSize - kBodyOffset) / kPageSize : 0;
}

std::uint64_t PageOffset(std::uint64_t index)
{
    return index == 0 ? 0 : kBodyOffset + (index - 1) * kPageSize;
}

int ProgressAfterPage(std::uint64_t index, std::uint64_t fileSize)
{
    // 64-bit: the accumulated numerator passes 2^31 after about 840 pages.
    std::uint64_t accumulated = (index + 1) * kPageProgress;
    return static_cast<int>(accumulated / (fileSize - kSkipped));
}

} // namespace FirmwarePacket
