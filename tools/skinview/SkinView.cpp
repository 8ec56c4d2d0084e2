#include <windows.h>
#include <cstdio>
#include <string>
#include <vector>
#include "ClientCapture.h"
#include "PngFile.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/XmlDoc.h"
#include "SkinViewArgs.h"
#include "SkinViewWindow.h"

namespace {

const char kUsage[] = "usage: skinview [--png OUT.png] [--size W,H] FILE.xml\n";
// Enough rounds for a layout that asks for another one while painting.
const int kPaintRounds = 8;

void ReportSkinFailure(const char* reason)
{
    std::fprintf(stderr, "skinview: %s\n", reason);
    std::fflush(stderr);
    ::ExitProcess(1);
}

std::string FullPath(const std::string& path)
{
    char full[MAX_PATH] = {};
    const DWORD length = ::GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    return length > 0 && length < MAX_PATH ? std::string(full) : path;
}

bool CheckMarkup(const std::string& path)
{
    SkinUI::CXmlDoc doc;
    if (doc.LoadFromPath(path.c_str())) return true;
    std::fprintf(stderr, "skinview: %s: %s\n", path.c_str(), doc.GetLastErrorMessage());
    std::fprintf(stderr, "  at: %s\n", doc.GetLastErrorLocation());
    return false;
}

void PaintUntilSettled(HWND hWnd)
{
    for (int i = 0; i < kPaintRounds && ::GetUpdateRect(hWnd, nullptr, FALSE); ++i) {
        ::UpdateWindow(hWnd);
        MSG msg = {};
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!SkinUI::CPaintManagerUI::TranslateMessage(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        }
    }
}

int SavePng(HWND hWnd, const std::string& png)
{
    PaintUntilSettled(hWnd);
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    if (!CClientCapture::Capture(hWnd, width, height, pixels) || !CPngFile::WriteBgra(png, width, height, pixels)) {
        std::fprintf(stderr, "skinview: cannot write %s\n", png.c_str());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    TSkinViewArgs args;
    std::string error;
    if (!CSkinViewArgs::Parse(argc, argv, args, error)) {
        std::fprintf(stderr, "skinview: %s\n%s", error.c_str(), kUsage);
        return 2;
    }
    const std::string path = FullPath(args.file);
    if (!CheckMarkup(path)) return 1;
    std::string folder;
    std::string name;
    CSkinViewArgs::SplitPath(path, folder, name);

    SkinUI::CPaintManagerUI::SetInstance(::GetModuleHandleA(nullptr));
    SkinUI::CPaintManagerUI::SetResourcePath(folder.c_str());
    SkinUI::WindowImplBase::SetSkinFailureHandler(&ReportSkinFailure);
    CSkinViewWindow window(name.c_str());
    // Off the screen's corner: Wine takes a popup that covers the whole screen for a full-screen
    // window and waits two seconds for a window manager when it goes away.
    HWND hWnd = window.Create(nullptr, "skinview", WS_POPUP | WS_CLIPCHILDREN, 0, 1, 1, 400, 300);
    if (hWnd == nullptr) {
        std::fprintf(stderr, "skinview: cannot create the window\n");
        return 1;
    }
    if (args.hasSize) {
        ::SetWindowPos(hWnd, nullptr, 0, 0, args.width, args.height, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    }
    if (!args.png.empty()) {
        ::ShowWindow(hWnd, SW_SHOWNOACTIVATE);
        const int result = SavePng(hWnd, args.png);
        ::DestroyWindow(hWnd);
        return result;
    }
    window.CenterWindow();
    window.ShowWindow();
    SkinUI::CPaintManagerUI::MessageLoop();
    return 0;
}
