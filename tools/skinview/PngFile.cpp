#include "PngFile.h"
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

bool CPngFile::WriteBgra(const std::string& path, int width, int height, const std::vector<uint32_t>& pixels)
{
    if (width <= 0 || height <= 0 || pixels.size() != static_cast<size_t>(width) * height) return false;
    std::vector<unsigned char> rgba(pixels.size() * 4);
    for (size_t i = 0; i < pixels.size(); ++i) {
        const uint32_t bgra = pixels[i];
        rgba[i * 4 + 0] = static_cast<unsigned char>(bgra >> 16);
        rgba[i * 4 + 1] = static_cast<unsigned char>(bgra >> 8);
        rgba[i * 4 + 2] = static_cast<unsigned char>(bgra);
        // GDI leaves the alpha byte undefined: the picture is what the window shows, opaque.
        rgba[i * 4 + 3] = 0xFF;
    }
    // Unfiltered rows: half the time for the largest windows, and skin pictures pack well anyway.
    stbi_write_force_png_filter = 0;
    return stbi_write_png(path.c_str(), width, height, 4, rgba.data(), width * 4) != 0;
}
