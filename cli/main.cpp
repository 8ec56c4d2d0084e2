#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/Radiocfg.h"

namespace {

#ifdef _WIN32
// The arguments as UTF-8, read from the wide command line: a file name may hold
// characters the system's code page lacks.
std::vector<std::string> Arguments(int, char**)
{
    std::vector<std::string> args;
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    for (int i = 1; wide != nullptr && i < count; ++i) args.push_back(std::filesystem::path(wide[i]).u8string());
    if (wide != nullptr) ::LocalFree(wide);
    return args;
}
#else
// POSIX file names are bytes, UTF-8 by convention, as they come.
std::vector<std::string> Arguments(int argc, char** argv)
{
    return std::vector<std::string>(argv + 1, argv + argc);
}
#endif

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args = Arguments(argc, argv);
    CliOptions options;
    std::string error;
    if (!ParseCommandLine(args, options, error)) {
        std::cerr << "radiocfg: " << error << "\n" << kCliUsage;
        return 2;
    }
    std::string heading = "radiocfg";
    for (const std::string& arg : args) heading += " " + arg;
    CRadiocfg radiocfg(std::cout, std::cerr);
    return radiocfg.Run(options, heading);
}
