#pragma once

#include <string>

// The three values the main window keeps under HKCU "Software\DurazeR".
struct StoredSettings {
    int port = -1; // index in the COM port list, -1 for none
    int baud = -1; // index in the connection rate list, -1 for none
    bool chinese = true;
};

namespace MainSettings {

extern const char* const kKeyPath;

// One stored value: a known name with a usable text changes settings; an
// index outside 0..count-1 and any other name change nothing.
void ApplyStoredValue(StoredSettings& settings, const std::string& name, const std::string& text, int portCount,
                      int baudCount);

// Starts from `defaults`; a missing key leaves them as they are.
StoredSettings Load(const StoredSettings& defaults, int portCount, int baudCount);
void Save(const StoredSettings& settings);

} // namespace MainSettings
