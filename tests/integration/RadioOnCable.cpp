#include "tests/integration/RadioOnCable.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

extern char** environ;

namespace {

int Spawn(const std::vector<std::string>& arguments, int outFd, int errFd)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, outFd, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errFd, STDERR_FILENO);
    pid_t pid = -1;
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

std::string Contents(std::FILE* file)
{
    std::string text;
    std::rewind(file);
    char chunk[4096];
    for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;) text.append(chunk, got);
    std::fclose(file);
    return text;
}

bool WaitForPaths(const std::string& first, const std::string& second)
{
    struct stat status {};
    for (int i = 0; i < 250; ++i) {
        if (stat(first.c_str(), &status) == 0 && stat(second.c_str(), &status) == 0) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

// Starts the program with its output thrown away; -1 when it could not start.
int StartChild(const std::vector<std::string>& arguments)
{
    const int nothing = open("/dev/null", O_WRONLY | O_CLOEXEC);
    const pid_t pid = Spawn(arguments, nothing, nothing);
    close(nothing);
    return pid;
}

// Ends a started program and waits for it.
void StopChild(int pid)
{
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

} // namespace

ChildOutcome RunChild(const std::vector<std::string>& arguments, int limitMs)
{
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    ChildOutcome outcome;
    const pid_t pid = Spawn(arguments, fileno(out), fileno(err));
    const auto limit = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    int status = 0;
    while (pid > 0 && waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() >= limit) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (pid > 0 && WIFEXITED(status)) outcome.exitCode = WEXITSTATUS(status);
    outcome.out = Contents(out);
    outcome.err = Contents(err);
    return outcome;
}

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
