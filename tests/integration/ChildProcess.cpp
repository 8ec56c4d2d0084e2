#include "tests/integration/ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
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

int StartChild(const std::vector<std::string>& arguments)
{
    const int nothing = open("/dev/null", O_WRONLY | O_CLOEXEC);
    const pid_t pid = Spawn(arguments, nothing, nothing);
    close(nothing);
    return pid;
}

void StopChild(int pid)
{
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}
