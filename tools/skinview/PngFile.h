#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Writes 32-bit pixels read from a top-down BGRA bitmap as an opaque RGBA PNG.
class CPngFile {
public:
    static bool WriteBgra(const std::string& path, int width, int height, const std::vector<uint32_t>& pixels);
};
