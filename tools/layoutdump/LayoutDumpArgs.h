#pragma once
#include <string>

// layoutdump [--lang zh|en] [--render-status TEXT|@FILE (--success|--failure|--progress P) OUT.png]
//            [--render-window OUT.png] [--com-ports] [--message-boxes] [--device-change]
struct TLayoutDumpArgs {
    bool chinese = true;
    bool renderStatus = false;
    bool renderWindow = false;
    std::string statusText;
    bool success = true;
    int progress = -1; // 0 to 10000 for a progress bar under the text, else a result
    std::string png;
    bool comPorts = false;
    bool messageBoxes = false;
    bool deviceChange = false;
};

class CLayoutDumpArgs {
public:
    // False with a message for a command line that is not usable.
    static bool Parse(int argc, const char* const* argv, TLayoutDumpArgs& args, std::string& error);
};
