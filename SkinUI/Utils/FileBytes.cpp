#include "SkinUI/Utils/FileBytes.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <cstdio>
#endif

namespace SkinUI {

#ifdef _WIN32

CFileBytes::EResult CFileBytes::Read(const char* path, std::size_t limit, std::vector<unsigned char>& bytes)
{
    HANDLE file =
        ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return kCannotOpen;
    DWORD high = 0;
    const DWORD size = ::GetFileSize(file, &high);
    EResult result = kRead;
    if (size == INVALID_FILE_SIZE && ::GetLastError() != NO_ERROR)
        result = kShortRead;
    else if (size == 0 && high == 0)
        result = kEmpty;
    else if (high != 0 || size > limit)
        result = kTooLarge;
    if (result == kRead) {
        bytes.resize(size);
        DWORD read = 0;
        if (!::ReadFile(file, bytes.data(), size, &read, nullptr) || read != size) result = kShortRead;
    }
    ::CloseHandle(file);
    return result;
}

#else

CFileBytes::EResult CFileBytes::Read(const char* path, std::size_t limit, std::vector<unsigned char>& bytes)
{
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return kCannotOpen;
    struct stat info = {};
    EResult result = kRead;
    if (::fstat(::fileno(file), &info) != 0 || !S_ISREG(info.st_mode))
        result = kCannotOpen;
    else if (info.st_size == 0)
        result = kEmpty;
    else if (static_cast<unsigned long long>(info.st_size) > limit)
        result = kTooLarge;
    if (result == kRead) {
        const std::size_t size = static_cast<std::size_t>(info.st_size);
        bytes.resize(size);
        if (std::fread(bytes.data(), 1, size, file) != size) result = kShortRead;
    }
    std::fclose(file);
    return result;
}

#endif

} // namespace SkinUI
