#include "RegistryFixture.h"

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
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return "<missing>";
    char data[512] = {};
    DWORD size = sizeof data - 1;
    const LONG status = ::RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS ? std::string(data) : "<missing>";
}

void DeleteKey(HKEY root, const char* path)
{
    ::RegDeleteKeyA(root, path);
}

} // namespace TestRegistry

CRegistrySnapshot::CRegistrySnapshot(HKEY root, const char* path)
    : m_root(root)
    , m_path(path)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    m_existed = true;
    for (DWORD index = 0;; ++index) {
        char name[256] = {};
        BYTE data[1024] = {};
        DWORD nameLength = sizeof name;
        DWORD dataLength = sizeof data;
        DWORD type = 0;
        if (::RegEnumValueA(key, index, name, &nameLength, nullptr, &type, data, &dataLength) != ERROR_SUCCESS) break;
        m_values.push_back({name, type, std::vector<BYTE>(data, data + dataLength)});
    }
    ::RegCloseKey(key);
}

void CRegistrySnapshot::Clear()
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(m_root, m_path.c_str(), 0, KEY_READ | KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    for (;;) {
        char name[256] = {};
        DWORD nameLength = sizeof name;
        if (::RegEnumValueA(key, 0, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        if (::RegDeleteValueA(key, name) != ERROR_SUCCESS) break;
    }
    ::RegCloseKey(key);
}

CRegistrySnapshot::~CRegistrySnapshot()
{
    Clear();
    if (!m_existed) {
        TestRegistry::DeleteKey(m_root, m_path.c_str());
        return;
    }
    HKEY key = nullptr;
    if (::RegCreateKeyExA(m_root, m_path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    for (const Value& value : m_values)
        ::RegSetValueExA(key, value.name.c_str(), 0, value.type, value.data.data(),
                         static_cast<DWORD>(value.data.size()));
    ::RegCloseKey(key);
}
