#include "MessageBoxes.h"

#include <windows.h>

#include <sstream>
#include <string>

#include "SkinUI/Utils/GbkText.h"

namespace {

constexpr UINT kReplyTimeoutMs = 2000;

// Another program's controls answer WM_GETTEXT; GetWindowText would only
// give their captions. Read wide and printed as GBK, whatever the code page.
std::string TextOf(HWND window)
{
    wchar_t text[4096] = {};
    const DWORD_PTR capacity = sizeof text / sizeof text[0];
    DWORD_PTR copied = 0;
    if (!::SendMessageTimeoutW(window, WM_GETTEXT, capacity, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                               kReplyTimeoutMs, &copied))
        return std::string();
    return SkinUI::CGbkText::FromWide(text, static_cast<int>(copied < capacity ? copied : capacity - 1));
}

bool HasClass(HWND window, const char* name)
{
    char found[64] = {};
    ::GetClassNameA(window, found, sizeof found);
    return ::lstrcmpiA(found, name) == 0;
}

BOOL CALLBACK PrintStaticLines(HWND child, LPARAM out)
{
    if (!HasClass(child, "Static")) return TRUE;
    std::istringstream lines(TextOf(child));
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::fprintf(reinterpret_cast<std::FILE*>(out), "line %s\n", line.c_str());
    }
    return TRUE;
}

BOOL CALLBACK PrintIfMessageBox(HWND window, LPARAM out)
{
    if (!::IsWindowVisible(window) || !HasClass(window, "#32770")) return TRUE;
    auto* file = reinterpret_cast<std::FILE*>(out);
    const HWND owner = ::GetWindow(window, GW_OWNER);
    std::fprintf(file, "box %s\n", TextOf(window).c_str());
    std::fprintf(file, "owner %s\n", owner != nullptr ? TextOf(owner).c_str() : "");
    ::EnumChildWindows(window, PrintStaticLines, out);
    return TRUE;
}

} // namespace

void PrintMessageBoxes(std::FILE* out)
{
    ::EnumWindows(PrintIfMessageBox, reinterpret_cast<LPARAM>(out));
}
