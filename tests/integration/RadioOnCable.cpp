#include "tests/integration/RadioOnCable.h"

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "tests/integration/ChildProcess.h"

namespace {

bool WaitForPaths(const std::string& first, const std::string& second)
{
    struct stat status {};
    for (int i = 0; i < 250; ++i) {
        if (stat(first.c_str(), &status) == 0 && stat(second.c_str(), &status) == 0) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

} // namespace

std::string RadiosimProgram()
{
    const char* path = std::getenv("RADIOSIM_EXE");
    return path && access(path, X_OK) == 0 ? path : "";
}

std::string MakeRunFolder(const std::string& prefix)
{
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/" + prefix + "-XXXXXX";
    return mkdtemp(&pattern[0]) ? pattern : "";
}

CRadioOnCable::CRadioOnCable(const std::string& folder, const std::string& name)
    : m_device(folder + "/" + name + "-pc")
    , m_radio(0, folder + "/" + name + ".log", folder + "/" + name + ".control")
{
    const std::string radioEnd = folder + "/" + name + "-radio";
    const std::string program = RadiosimProgram();
    if (program.empty()) return;
    m_socat = StartChild({"socat", "pty,raw,echo=0,link=" + m_device, "pty,raw,echo=0,link=" + radioEnd});
    if (m_socat <= 0 || !WaitForPaths(m_device, radioEnd)) return;
    // Its control file is there before the radio starts, as the bench's is.
    m_radio.Start("");
    m_radiosim = StartChild({program, "--device", radioEnd, "--pc-device", m_device, "--log",
                             folder + "/" + name + ".log", "--control", folder + "/" + name + ".control"});
    m_running = m_radiosim > 0;
}

CRadioOnCable::~CRadioOnCable()
{
    StopChild(m_radiosim);
    StopChild(m_socat);
}
