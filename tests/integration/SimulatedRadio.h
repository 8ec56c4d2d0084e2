#pragma once

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
    // Opens the radio's COM port as another program would; INVALID_HANDLE_VALUE
    // when it is taken.
    void* TakePort() const;
#endif
    // The commands logged since the last call.
    std::vector<std::string> NewCommands();

private:
    int m_port = 0;
    std::string m_logPath;
    std::string m_controlPath;
    std::size_t m_logOffset = 0;
    int m_controlSerial = 0;
};

// A Unix path as this program sees it: under Wine, as Wine's processes do.
std::string WindowsPathOf(const std::string& unixPath);
