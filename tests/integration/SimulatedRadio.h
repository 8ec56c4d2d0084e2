#pragma once

#ifdef _WIN32
#include <windows.h>
#endif

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

// A file's bytes; empty when it cannot be read.
inline std::string ReadWhole(const std::string& path)
{
    std::stringstream text;
    text << std::ifstream(std::filesystem::u8path(path), std::ios::binary).rdbuf();
    return text.str();
}

// A firmware file whose every page differs from its neighbours.
inline void WriteFirmwareFile(const std::string& path, std::size_t size)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 13 + i / 256 * 5) & 0xFF);
    std::ofstream(std::filesystem::u8path(path), std::ios::binary | std::ios::trunc) << bytes;
}

// The milliseconds some work takes, for the benchmarks.
template <typename Work> double TimedMs(Work work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// A Unix path as this program sees it: under Wine, as Wine's processes do.
inline std::string WindowsPathOf(std::string path)
{
#ifdef _WIN32
    for (char& c : path) c = c == '/' ? '\\' : c;
    return "Z:" + path;
#else
    return path;
#endif
}

// The simulated radio the test run starts on a virtual COM port: its port
// number, the log of the commands it received and its control file. The run
// names them in the environment: RADIOSIM_COM, _LOG and _CONTROL, and for a
// second radio RADIOSIM2_COM and so on.
class CSimulatedRadio {
public:
    explicit CSimulatedRadio(const std::string& variables = "RADIOSIM")
        : CSimulatedRadio(std::atoi(Environment(variables + "_COM").c_str()),
                          WindowsPathOf(Environment(variables + "_LOG")),
                          WindowsPathOf(Environment(variables + "_CONTROL")))
    {}
    // A radio whose log and control file are these (paths as this program sees them).
    CSimulatedRadio(int port, std::string logPath, std::string controlPath)
        : m_port(port)
        , m_logPath(std::move(logPath))
        , m_controlPath(std::move(controlPath))
    {
        NewCommands();
    }

    bool IsAvailable() const { return m_port != 0; }
    int Port() const { return m_port; }
    // Restores the radio's parameters and plays the scenario from its next command on. A changing
    // comment makes the radio notice every write, even of the same words.
    void Start(const std::string& scenario)
    {
        std::ofstream(m_controlPath, std::ios::binary | std::ios::trunc)
            << "# " << ++m_controlSerial << " " << this << "\nreset " << scenario << "\n";
    }
#ifdef _WIN32
    // Opens the radio's COM port as another program would; INVALID_HANDLE_VALUE when it is taken.
    HANDLE TakePort() const
    {
        const std::string device = "\\\\.\\COM" + std::to_string(m_port);
        return CreateFileA(device.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    }
#endif
    // The lines logged since the last call, once there are at least `count`
    // or five seconds have passed: the radio logs a reply it holds back only
    // after the operation that asked for it has given up.
    std::vector<std::string> NewCommands(std::size_t count = 0)
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

private:
    static std::string Environment(const std::string& name)
    {
        const char* value = std::getenv(name.c_str());
        return value ? value : "";
    }

    int m_port = 0;
    std::string m_logPath;
    std::string m_controlPath;
    std::size_t m_logOffset = 0;
    int m_controlSerial = 0;
};
