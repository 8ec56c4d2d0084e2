#pragma once
#include <string>

// layoutdump [--lang zh|en] [--render-status TEXT|@FILE (--success|--failure) OUT.png] [--com-ports]
//            [--message-boxes]
struct TLayoutDumpArgs {
    bool chinese = true;
    bool renderStatus = false;
    std::string statusText;
    bool success = true;
    std::string png;
    bool comPorts = false;
    bool messageBoxes = false;
};

class CLayoutDumpArgs {
public:
    // False with a message for a command line that is not usable.
    static bool Parse(int argc, const char* const* argv, TLayoutDumpArgs& args, std::string& error);
};
