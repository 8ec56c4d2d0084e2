#include "app/MainSettings.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace MainSettings {

const char* const kKeyPath = "Software\\DurazeR";

namespace {

constexpr DWORD kBufferSize = 256;

bool ReadIndex(const std::string& text, int count, int& index)
{
    const int n = std::atoi(text.c_str());
    if (n < 0 || n >= count) return false;
    index = n;
    return true;
}

void WriteNumber(HKEY key, const char* name, int value, char (&buffer)[kBufferSize])
{
    std::snprintf(buffer, kBufferSize, "%d", value);
    ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(buffer), kBufferSize);
}

} // namespace

void ApplyStoredValue(StoredSettings& settings, const std::string& name, const std::string& text, int portCount,
                      int baudCount)
{
    if (name == "Baud")
        ReadIndex(text, baudCount, settings.baud);
    else if (name == "Port")
        ReadIndex(text, portCount, settings.port);
    else if (name == "Chinese")
        settings.chinese = std::atoi(text.c_str()) == 1;
}

StoredSettings Load(const StoredSettings& defaults, int portCount, int baudCount)
{
    StoredSettings settings = defaults;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return settings;
    for (DWORD index = 0;; ++index) {
        char name[kBufferSize] = {};
        BYTE data[kBufferSize] = {};
        DWORD nameLength = kBufferSize;
        DWORD dataLength = kBufferSize;
        const LONG status = ::RegEnumValueA(key, index, name, &nameLength, nullptr, nullptr, data, &dataLength);
        if (status == ERROR_MORE_DATA) continue; // too long for any of ours; its buffers hold nothing usable
        if (status != ERROR_SUCCESS) break;
        // Data need not end with a zero byte: never read past what was returned.
        const char* text = reinterpret_cast<const char*>(data);
        const std::size_t length = std::min<std::size_t>(dataLength, kBufferSize);
        ApplyStoredValue(settings, name, std::string(text, strnlen(text, length)), portCount, baudCount);
    }
    ::RegCloseKey(key);
    return settings;
}

void Save(const StoredSettings& settings)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, kKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_SET_VALUE | KEY_CREATE_SUB_KEY, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    char buffer[kBufferSize] = {};
    WriteNumber(key, "Port", settings.port, buffer);
    WriteNumber(key, "Baud", settings.baud, buffer);
    WriteNumber(key, "Chinese", settings.chinese ? 1 : 0, buffer);
    ::RegCloseKey(key);
}

} // namespace MainSettings
