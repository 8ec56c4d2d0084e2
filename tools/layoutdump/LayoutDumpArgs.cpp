#include "LayoutDumpArgs.h"

#include <cstdlib>
#include <cstring>

namespace {

bool TakeValue(int argc, const char* const* argv, int& i, std::string& value, std::string& error)
{
    if (i + 1 >= argc) {
        error = std::string(argv[i]) + " needs a value";
        return false;
    }
    value = argv[++i];
    return true;
}

bool ParseLanguage(const std::string& value, TLayoutDumpArgs& args, std::string& error)
{
    if (value != "zh" && value != "en") {
        error = "--lang takes zh or en";
        return false;
    }
    args.chinese = value == "zh";
    return true;
}

bool ParseProgress(const std::string& value, TLayoutDumpArgs& args, std::string& error)
{
    char* end = nullptr;
    const long progress = std::strtol(value.c_str(), &end, 10);
    if (value.empty() || *end != '\0' || progress < 0 || progress > 10000) {
        error = "--progress takes 0 to 10000";
        return false;
    }
    args.progress = static_cast<int>(progress);
    return true;
}

} // namespace

bool CLayoutDumpArgs::Parse(int argc, const char* const* argv, TLayoutDumpArgs& args, std::string& error)
{
    bool outcomeGiven = false;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        std::string value;
        if (std::strcmp(arg, "--lang") == 0) {
            if (!TakeValue(argc, argv, i, value, error) || !ParseLanguage(value, args, error)) return false;
        } else if (std::strcmp(arg, "--render-status") == 0) {
            if (!TakeValue(argc, argv, i, args.statusText, error)) return false;
            args.renderStatus = true;
        } else if (std::strcmp(arg, "--render-window") == 0) {
            args.renderWindow = true;
        } else if (std::strcmp(arg, "--success") == 0 || std::strcmp(arg, "--failure") == 0) {
            args.success = std::strcmp(arg, "--success") == 0;
            outcomeGiven = true;
        } else if (std::strcmp(arg, "--progress") == 0) {
            if (!TakeValue(argc, argv, i, value, error) || !ParseProgress(value, args, error)) return false;
            outcomeGiven = true;
        } else if (std::strcmp(arg, "--com-ports") == 0) {
            args.comPorts = true;
        } else if (std::strcmp(arg, "--message-boxes") == 0) {
            args.messageBoxes = true;
        } else if (std::strcmp(arg, "--device-change") == 0) {
            args.deviceChange = true;
        } else if (arg[0] == '-' || !args.png.empty()) {
            error = std::string("unexpected argument ") + arg;
            return false;
        } else {
            args.png = arg;
        }
    }
    if (args.renderStatus && args.renderWindow) {
        error = "--render-status and --render-window do not go together";
        return false;
    }
    if (args.renderStatus != outcomeGiven || (args.renderStatus || args.renderWindow) != !args.png.empty()) {
        error = "--render-status needs --success, --failure or --progress and OUT.png, --render-window OUT.png, "
                "and they need it";
        return false;
    }
    return true;
}
