#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The boot loader's page format and the plan of a firmware file: the first
// page is bytes 0 to 255, bytes 256 to 4095 are never sent, whole pages
// follow from offset 4096 on and a short tail is left out.
namespace FirmwarePacket {

constexpr std::size_t kPageSize = 256;
constexpr std::size_t kPacketSize = kPageSize + 2;
constexpr std::uint64_t kBodyOffset = 4096;
constexpr int kFullProgress = 10000;

using Page = std::array<unsigned char, kPageSize>;
using Packet = std::array<unsigned char, kPacketSize>;

// The sum of the page's bytes, at most 65280.
unsigned Checksum(const Page& page);
// The page followed by its checksum, high byte first.
Packet BuildPacket(const Page& page);

// Files of 4096 bytes or less hold no firmware.
bool IsAcceptedSize(std::uint64_t fileSize);
// Pages sent for an accepted file, the first page included.
std::uint64_t PageCount(std::uint64_t fileSize);
// Where page `index` (0 for the first page) starts in the file.
std::uint64_t PageOffset(std::uint64_t index);
// Progress in hundredths of a percent once page `index` (1 or more) is written.
int ProgressAfterPage(std::uint64_t index, std::uint64_t fileSize);

} // namespace FirmwarePacket
