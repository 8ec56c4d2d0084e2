#include "tests/app/main/RegistryFixture.h"

namespace TestRegistry {

const char* const kSerialComm = "Hardware\\DeviceMap\\SerialComm";
const char* const kSettings = "Software\\DurazeR";

void SetText(HKEY root, const char* path, const char* name, const char* text)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) return;
    ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), lstrlenA(text) + 1);
    ::RegCloseKey(key);
}

std::string Text(HKEY root, const char* path, const char* name)
{
    char data[512] = {};
    DWORD size = sizeof data;
    return ::RegGetValueA(root, path, name, RRF_RT_REG_SZ, nullptr, data, &size) == ERROR_SUCCESS ? data : "<missing>";
}

} // namespace TestRegistry

CRegistrySnapshot::CRegistrySnapshot(HKEY root, const char* path)
    : m_root(root)
    , m_path(path)
{
    HKEY key = Open(KEY_READ);
    m_existed = key != nullptr;
    for (DWORD index = 0; m_existed; ++index) {
        char name[256] = {};
        BYTE data[1024] = {};
        DWORD nameLength = sizeof name, dataLength = sizeof data, type = 0;
        if (::RegEnumValueA(key, index, name, &nameLength, nullptr, &type, data, &dataLength) != ERROR_SUCCESS) break;
        m_values.push_back({name, type, std::vector<BYTE>(data, data + dataLength)});
    }
    if (key != nullptr) ::RegCloseKey(key);
}

CRegistrySnapshot::~CRegistrySnapshot()
{
    Clear();
    HKEY key = nullptr;
    if (!m_existed) ::RegDeleteKeyA(m_root, m_path.c_str());
    if (!m_existed || ::RegCreateKeyExA(m_root, m_path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
                          ERROR_SUCCESS)
        return;
    for (const Value& value : m_values)
        ::RegSetValueExA(key, value.name.c_str(), 0, value.type, value.data.data(),
                         static_cast<DWORD>(value.data.size()));
    ::RegCloseKey(key);
}

void CRegistrySnapshot::Clear()
{
    HKEY key = Open(KEY_READ | KEY_SET_VALUE);
    for (char name[256]; key != nullptr;) {
        DWORD nameLength = sizeof name;
        if (::RegEnumValueA(key, 0, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS ||
            ::RegDeleteValueA(key, name) != ERROR_SUCCESS)
            break;
    }
    if (key != nullptr) ::RegCloseKey(key);
}

HKEY CRegistrySnapshot::Open(REGSAM access) const
{
    HKEY key = nullptr;
    return ::RegOpenKeyExA(m_root, m_path.c_str(), 0, access, &key) == ERROR_SUCCESS ? key : nullptr;
}
