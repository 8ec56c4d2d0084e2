#pragma once

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "radio/UpgradeReporter.h"

// Hands the upgrade a firmware file and a port and keeps what it reports.
class CRecordingUpgradeReporter : public IUpgradeReporter {
public:
    CRecordingUpgradeReporter(std::string path, int port)
        : m_path(std::move(path))
        , m_port(port)
    {}

    bool ChooseFirmwareFile(std::string& path) override
    {
        path = m_path;
        return true;
    }
    int BeginUpgrade() override { return m_port; }
    void ShowProgress(int value) override { progress.push_back(value); }
    void EndUpgrade(bool success) override { succeeded = success; }

    std::vector<int> progress;
    bool succeeded = false;

private:
    std::string m_path;
    int m_port;
};

// Firmware bytes whose every page differs from its neighbours.
inline std::string FirmwareImage(std::size_t size)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 13 + i / 256 * 5) & 0xFF);
    return bytes;
}

inline void WriteFirmwareFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}
