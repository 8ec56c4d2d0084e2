#pragma once
#include <cstddef>
#include <vector>

namespace SkinUI {

// Reads a whole file, for the markup parser and the image loader.
class CFileBytes {
public:
    enum EResult { kRead, kCannotOpen, kEmpty, kTooLarge, kShortRead };

    // A file larger than limit bytes is not read.
    static EResult Read(const char* path, std::size_t limit, std::vector<unsigned char>& bytes);
};

} // namespace SkinUI
