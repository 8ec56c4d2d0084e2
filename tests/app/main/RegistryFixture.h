#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace TestRegistry {

extern const char* const kSerialComm;
extern const char* const kSettings;

void SetText(HKEY root, const char* path, const char* name, const char* text);
// The text of a value; "<missing>" when absent.
std::string Text(HKEY root, const char* path, const char* name);

} // namespace TestRegistry

// Saves a registry key's values when made and puts them back when gone, so a test may change the
// shared prefix's settings and serial port list. Values go rather than the key: under Wine the
// serial port list lies in a volatile key that a stable key cannot replace.
class CRegistrySnapshot {
public:
    CRegistrySnapshot(HKEY root, const char* path);
    ~CRegistrySnapshot();
    CRegistrySnapshot(const CRegistrySnapshot&) = delete;
    CRegistrySnapshot& operator=(const CRegistrySnapshot&) = delete;

    // Deletes every value of the key (the key stays when it existed).
    void Clear();

private:
    struct Value {
        std::string name;
        DWORD type;
        std::vector<BYTE> data;
    };

    HKEY Open(REGSAM access) const;

    HKEY m_root;
    std::string m_path;
    bool m_existed = false;
    std::vector<Value> m_values;
};
