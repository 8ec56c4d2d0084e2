// layoutdump: the main window's control rectangles, pictures of its status
// label, and the message boxes on the desktop.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ClientCapture.h"
#include "LayoutDumpArgs.h"
#include "LayoutDumpWindow.h"
#include "MessageBoxes.h"
#include "PngFile.h"
#include "app/MainLayoutDump.h"
#include "serial/ComPorts.h"

namespace {

const char kUsage[] =
    "usage: layoutdump [--lang zh|en] [--render-status TEXT|@FILE (--success|--failure|--progress P) OUT.png]\n"
    "                  [--render-window OUT.png] [--com-ports] [--message-boxes] [--device-change]\n";
// Far off the screen, so that the window never covers the program under test.
const int kOffScreen = -4000;

int PrintComPorts()
{
    std::vector<int> ports;
    ListComPorts(ports);
    for (int port : ports) std::printf("COM%d\n", port);
    return 0;
}

// What plugging in a serial adapter tells every window; answers within 5 s or gives up.
int AnnounceDeviceChange()
{
    const WPARAM kDevNodesChanged = 0x0007; // DBT_DEVNODES_CHANGED
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutA(HWND_BROADCAST, WM_DEVICECHANGE, kDevNodesChanged, 0, SMTO_ABORTIFHUNG, 5000,
                                 &result) != 0
               ? 0
               : 1;
}

void PrintLayout(const MainControls& controls)
{
    for (const NamedRect& named : DescribeMainLayout(controls)) {
        const RECT& r = named.rect;
        std::printf("%s %ld %ld %ld %ld\n", named.name.c_str(), r.left, r.top, r.right, r.bottom);
    }
}

// The client pixels inside rect, top-down.
std::vector<uint32_t> Crop(const std::vector<uint32_t>& pixels, int width, const RECT& rect)
{
    std::vector<uint32_t> part;
    for (LONG y = rect.top; y < rect.bottom; ++y) {
        for (LONG x = rect.left; x < rect.right; ++x) part.push_back(pixels[y * width + x]);
    }
    return part;
}

// "@FILE": the text is the file's bytes, in the program's code page (a command
// line cannot carry GBK text under every locale).
bool StatusText(const std::string& arg, std::string& text)
{
    if (arg.empty() || arg[0] != '@') {
        text = arg;
        return true;
    }
    std::ifstream file(arg.substr(1), std::ios::binary);
    if (!file) return false;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    text = bytes.str();
    return true;
}

bool WriteStatusPicture(CLayoutDumpWindow& window, const TLayoutDumpArgs& args)
{
    std::string text;
    if (!StatusText(args.statusText, text)) return false;
    if (args.progress >= 0)
        window.Controls().statusLabel->ShowProgress(
            text.c_str(), static_cast<int>(CMainRadioPanel::ProgressGap(static_cast<unsigned>(args.progress))));
    else
        window.Panel().ShowStatus(text, args.success);
    window.Settle();
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    if (!CClientCapture::Capture(window, width, height, pixels)) return false;
    RECT rect = window.Controls().statusLabel->GetPos();
    RECT client = {0, 0, width, height};
    RECT inside = {};
    if (!::IntersectRect(&inside, &rect, &client)) return false;
    return CPngFile::WriteBgra(args.png, inside.right - inside.left, inside.bottom - inside.top,
                               Crop(pixels, width, inside));
}

// The whole window as the program draws it before a Read: every text but no values.
bool WriteWindowPicture(CLayoutDumpWindow& window, const TLayoutDumpArgs& args)
{
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    return CClientCapture::Capture(window, width, height, pixels) &&
           CPngFile::WriteBgra(args.png, width, height, pixels);
}

} // namespace

int main(int argc, char** argv)
{
    TLayoutDumpArgs args;
    std::string error;
    if (!CLayoutDumpArgs::Parse(argc, argv, args, error)) {
        std::fprintf(stderr, "layoutdump: %s\n%s", error.c_str(), kUsage);
        return 2;
    }
    if (args.comPorts) return PrintComPorts();
    if (args.messageBoxes) {
        PrintMessageBoxes(stdout);
        return 0;
    }
    if (args.deviceChange) return AnnounceDeviceChange();

    SkinUI::CPaintManagerUI::SetInstance(::GetModuleHandleA(nullptr));
    CLayoutDumpWindow window(args.chinese);
    HWND hWnd = window.Create(nullptr, "layoutdump", WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW, kOffScreen,
                              kOffScreen, 0, 0);
    if (hWnd == nullptr || window.Controls().statusLabel == nullptr) {
        std::fprintf(stderr, "layoutdump: cannot build the main window's controls\n");
        return 1;
    }
    ::ShowWindow(hWnd, SW_SHOWNOACTIVATE);
    window.Settle();
    int result = 0;
    if (args.renderStatus || args.renderWindow) {
        if (!(args.renderStatus ? WriteStatusPicture(window, args) : WriteWindowPicture(window, args))) {
            std::fprintf(stderr, "layoutdump: cannot write %s\n", args.png.c_str());
            result = 1;
        }
    } else {
        PrintLayout(window.Controls());
    }
    ::DestroyWindow(hWnd);
    return result;
}
