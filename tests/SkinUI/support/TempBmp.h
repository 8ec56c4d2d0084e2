#pragma once
#include <windows.h>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// Writes a 32-bit top-down BMP of pixels (0xAARRGGBB, rows top first) into the temporary folder;
// returns its path.
inline std::string WriteBmp(const char* name, int w, int h, const std::vector<uint32_t>& pixels)
{
    char dir[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, dir);
    const std::string path = std::string(dir) + name;
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER), size = 4 * w * h;
    const BITMAPFILEHEADER file = {0x4D42, offset + size, 0, 0, offset};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(BITMAPINFOHEADER);
    info.biWidth = w;
    info.biHeight = -h;
    info.biPlanes = 1;
    info.biBitCount = 32;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return path;
    std::fwrite(&file, sizeof(file), 1, f);
    std::fwrite(&info, sizeof(info), 1, f);
    std::fwrite(pixels.data(), 4, pixels.size(), f);
    std::fclose(f);
    return path;
}
