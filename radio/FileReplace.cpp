#include "radio/FileReplace.h"

#include <cstdio>

#include "radio/FilePath.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

std::string FolderOf(const std::string& path)
{
    std::size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? std::string(".") : path.substr(0, separator + 1);
}

bool WriteAll(std::FILE* file, const std::string& content)
{
    bool written = file && std::fwrite(content.data(), 1, content.size(), file) == content.size();
    return file && std::fclose(file) == 0 && written;
}

} // namespace

#ifdef _WIN32

bool ReplaceFileContents(const std::string& path, const std::string& content)
{
    const std::wstring target = FilePath(path).wstring();
    wchar_t temporary[MAX_PATH];
    if (target.empty() || !GetTempFileNameW(FilePath(FolderOf(path)).wstring().c_str(), L"cfg", 0, temporary))
        return false;
    if (WriteAll(_wfopen(temporary, L"wb"), content) &&
        MoveFileExW(temporary, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(temporary);
    return false;
}

#else

bool ReplaceFileContents(const std::string& path, const std::string& content)
{
    std::string temporary = FolderOf(path) + "cfgXXXXXX";
    int descriptor = mkstemp(&temporary[0]);
    if (descriptor < 0) return false;
    std::FILE* file = fdopen(descriptor, "wb");
    if (!file) close(descriptor);
    if (WriteAll(file, content) && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    std::remove(temporary.c_str());
    return false;
}

#endif
