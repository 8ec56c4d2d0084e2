#pragma once
#include <string>

// The previewer's command line: skinview [--png OUT.png] [--size W,H] FILE.xml
struct TSkinViewArgs {
    std::string file;
    std::string png;
    int width = 0;
    int height = 0;
    bool hasSize = false;
};

class CSkinViewArgs {
public:
    // False with a message for a command line that is not usable.
    static bool Parse(int argc, const char* const* argv, TSkinViewArgs& args, std::string& error);
    // "W,H" with both positive.
    static bool ParseSize(const char* text, int& width, int& height);
    // The folder (with its trailing separator, empty when none) and the file name of a path.
    static void SplitPath(const std::string& path, std::string& folder, std::string& name);
};
