#pragma once

#ifdef _WIN32
#include <windows.h>
#endif

#include <cstddef>
#include <string>
#include <vector>

// The simulated radio the test run starts on a virtual COM port: its port
// number, the log of the commands it received and its control file. The run
// names them in the environment: RADIOSIM_COM, _LOG and _CONTROL, and for a
// second radio RADIOSIM2_COM and so on.
class CSimulatedRadio {
public:
    explicit CSimulatedRadio(const std::string& variables = "RADIOSIM");
    // A radio whose log and control file are these (paths as this program sees them).
    CSimulatedRadio(int port, std::string logPath, std::string controlPath);

    bool IsAvailable() const { return m_port != 0; }
    int Port() const { return m_port; }
    // Restores the radio's parameters and plays the scenario from its next command on.
    void Start(const std::string& scenario);
#ifdef _WIN32
    // Opens the radio's COM port as another program would; INVALID_HANDLE_VALUE when it is taken.
    HANDLE TakePort() const;
#endif
    // The lines logged since the last call, once there are at least `count`
    // or five seconds have passed: the radio logs a reply it holds back only
    // after the operation that asked for it has given up.
    std::vector<std::string> NewCommands(std::size_t count = 0);

private:
    int m_port = 0;
    std::string m_logPath;
    std::string m_controlPath;
    std::size_t m_logOffset = 0;
    int m_controlSerial = 0;
};

// A file's bytes; empty when it cannot be read.
std::string ReadWhole(const std::string& path);

// A firmware file whose every page differs from its neighbours.
void WriteFirmwareFile(const std::string& path, std::size_t size);

// A Unix path as this program sees it: under Wine, as Wine's processes do.
std::string WindowsPathOf(std::string path);
