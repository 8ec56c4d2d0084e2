#include "radio/FilePath.h"

#include <exception>

std::filesystem::path FilePath(const std::string& utf8)
{
    try {
        return std::filesystem::u8path(utf8);
    } catch (const std::exception&) {
        return std::filesystem::path();
    }
}

std::size_t FileNameUnits(const std::string& utf8)
{
    std::size_t units = 0;
    for (unsigned char byte : utf8) {
        if ((byte & 0xC0) != 0x80) ++units;
        if (byte >= 0xF0) ++units; // beyond the first 65536 characters: two UTF-16 units
    }
    return units;
}
