#pragma once
#include <windows.h>
#include <cstdint>
#include <cstdio>
#include <string>

// Writes a 2 x 2 24-bit BMP of one colour (0xRRGGBB) into the temporary folder; returns its path.
inline std::string WriteSolidBmp(const char* name, uint32_t rgb)
{
    char dir[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, dir);
    const std::string path = std::string(dir) + name;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    const int stride = 8;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + stride * 2;
    info.biSize = sizeof(info);
    info.biWidth = 2;
    info.biHeight = 2;
    info.biPlanes = 1;
    info.biBitCount = 24;
    const unsigned char b = rgb & 0xFF, g = (rgb >> 8) & 0xFF, r = (rgb >> 16) & 0xFF;
    const unsigned char row[stride] = {b, g, r, b, g, r, 0, 0};
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return path;
    std::fwrite(&file, sizeof(file), 1, f);
    std::fwrite(&info, sizeof(info), 1, f);
    std::fwrite(row, 1, stride, f);
    std::fwrite(row, 1, stride, f);
    std::fclose(f);
    return path;
}
