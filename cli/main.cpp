#include <iostream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/RadioCli.h"

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    CliOptions options;
    std::string error;
    if (!ParseCommandLine(args, options, error)) {
        std::cerr << "radiocfg: " << error << "\n" << kCliUsage;
        return 2;
    }
    CRadioCli cli(std::cout, std::cerr);
    return cli.Run(options);
}
