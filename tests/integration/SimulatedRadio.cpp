#include "tests/integration/SimulatedRadio.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <utility>

namespace {

std::string Environment(const std::string& name)
{
    const char* value = std::getenv(name.c_str());
    return value ? value : "";
}

} // namespace

CSimulatedRadio::CSimulatedRadio(const std::string& variables)
    : CSimulatedRadio(std::atoi(Environment(variables + "_COM").c_str()),
                      WindowsPathOf(Environment(variables + "_LOG")),
                      WindowsPathOf(Environment(variables + "_CONTROL")))
{}

CSimulatedRadio::CSimulatedRadio(int port, std::string logPath, std::string controlPath)
    : m_port(port)
    , m_logPath(std::move(logPath))
    , m_controlPath(std::move(controlPath))
{
    NewCommands();
}

void CSimulatedRadio::Start(const std::string& scenario)
{
    // A changing comment makes the radio notice every write, even of the same words.
    std::ofstream(m_controlPath, std::ios::binary | std::ios::trunc)
        << "# " << ++m_controlSerial << " " << this << "\nreset " << scenario << "\n";
}

#ifdef _WIN32
HANDLE CSimulatedRadio::TakePort() const
{
    const std::string device = "\\\\.\\COM" + std::to_string(m_port);
    return CreateFileA(device.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
}
#endif

std::vector<std::string> CSimulatedRadio::NewCommands(std::size_t count)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    for (;;) {
        const std::string all = ReadWhole(m_logPath);
        std::vector<std::string> lines;
        std::istringstream fresh(all.size() >= m_logOffset ? all.substr(m_logOffset) : all);
        for (std::string line; std::getline(fresh, line);) lines.push_back(line);
        if (lines.size() >= count || std::chrono::steady_clock::now() > deadline) {
            m_logOffset = all.size();
            return lines;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

std::string ReadWhole(const std::string& path)
{
    std::stringstream text;
    text << std::ifstream(std::filesystem::u8path(path), std::ios::binary).rdbuf();
    return text.str();
}

void WriteFirmwareFile(const std::string& path, std::size_t size)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 13 + i / 256 * 5) & 0xFF);
    std::ofstream(std::filesystem::u8path(path), std::ios::binary | std::ios::trunc) << bytes;
}

std::string WindowsPathOf(std::string path)
{
#ifdef _WIN32
    for (char& c : path) c = c == '/' ? '\\' : c;
    return "Z:" + path;
#else
    return path;
#endif
}
