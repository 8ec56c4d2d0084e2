#include "SkinViewArgs.h"
#include <cstdlib>
#include <cstring>

namespace {

bool ReadPositive(const char*& p, int& value)
{
    char* end = nullptr;
    const long number = std::strtol(p, &end, 10);
    if (end == p || number <= 0 || number > 32767) return false;
    value = static_cast<int>(number);
    p = end;
    return true;
}

bool Fail(std::string& error, const std::string& message)
{
    error = message;
    return false;
}

} // namespace

bool CSkinViewArgs::ParseSize(const char* text, int& width, int& height)
{
    const char* p = text;
    int w = 0;
    int h = 0;
    if (*p == '+' || *p == '-' || !ReadPositive(p, w) || *p++ != ',') return false;
    if (*p == '+' || *p == '-' || !ReadPositive(p, h) || *p != '\0') return false;
    width = w;
    height = h;
    return true;
}

bool CSkinViewArgs::Parse(int argc, const char* const* argv, TSkinViewArgs& args, std::string& error)
{
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(arg, "--png") == 0) {
            if (!hasValue) return Fail(error, "--png needs a file name");
            args.png = argv[++i];
        } else if (std::strcmp(arg, "--size") == 0) {
            if (!hasValue || !ParseSize(argv[++i], args.width, args.height)) {
                return Fail(error, "--size needs W,H with positive numbers");
            }
            args.hasSize = true;
        } else if (arg[0] == '-' && arg[1] == '-') {
            return Fail(error, std::string("unknown option ") + arg);
        } else if (!args.file.empty()) {
            return Fail(error, "only one markup file can be shown");
        } else {
            args.file = arg;
        }
    }
    if (args.file.empty()) return Fail(error, "no markup file given");
    return true;
}

void CSkinViewArgs::SplitPath(const std::string& path, std::string& folder, std::string& name)
{
    const std::string::size_type cut = path.find_last_of("\\/");
    if (cut == std::string::npos) {
        folder.clear();
        name = path;
        return;
    }
    folder = path.substr(0, cut + 1);
    name = path.substr(cut + 1);
}
