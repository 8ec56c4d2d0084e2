#pragma once

#include <string>
#include <vector>

// What radiocfg was asked to do.
struct CliOptions {
    std::string command; // ports, detect, connect, disconnect, read, write, verify or upgrade
    // The ports named, in order; read, write and verify take several at once.
    std::vector<std::string> ports;
    int baud = 38400;
    std::string outFile;
    bool setSerialNumber = false;
    std::string serialNumber;
    bool setHardware = false;
    std::string hardware;
    std::string configFile;
    bool verify = false; // write, then verify
    std::string firmwareFile;
    bool json = false; // the result as one JSON object
    std::string traceFile; // every byte on the line, as it goes
};

// False with a message when the arguments are not a valid call.
bool ParseCommandLine(const std::vector<std::string>& args, CliOptions& options, std::string& error);

extern const char* const kCliUsage;
