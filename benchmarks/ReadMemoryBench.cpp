// The main window's memory over 1,000 Read presses against the simulated
// radio: the process's committed bytes, split into the process heap (where
// the system's own code allocates) and the C runtime heap (every string,
// array and control of ours), and its GDI objects.
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "SkinUI/Core/PaintManagerUI.h"
#include "app/DlgMain.h"
#include "benchmarks/PrivateBytes.h"
#include "tests/SkinUI/support/GdiObjects.h"
#include "tests/integration/SimulatedRadio.h"

namespace {

constexpr int kWarmUpReads = 20;
constexpr int kReads = 1000;

struct Memory {
    double committed = 0;
    double processHeap = 0;
    double runtimeHeap = 0;
    int gdiObjects = 0;
};

double BusyBytes(HANDLE heap)
{
    double bytes = 0;
    PROCESS_HEAP_ENTRY entry = {};
    ::HeapLock(heap);
    while (::HeapWalk(heap, &entry)) bytes += (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0 ? entry.cbData : 0;
    ::HeapUnlock(heap);
    return bytes;
}

Memory Measure()
{
    return {PrivateBytes(::GetCurrentProcess()), BusyBytes(::GetProcessHeap()),
            BusyBytes(reinterpret_cast<HANDLE>(_get_heap_handle())), SkinUI::CountGdiObjects()};
}

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (SkinUI::CPaintManagerUI::TranslateMessage(&msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// A press of Read as the mouse makes it, then whatever that queued; true when the read succeeded.
bool PressRead(DlgMain& window)
{
    const RECT& rc = window.Controls().readButton->GetPos();
    const LPARAM at = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP})
        ::SendMessageA(window.GetHWND(), message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, at);
    PumpMessages();
    return window.Controls().statusLabel->GetBkColor() == CMainRadioPanel::kSuccessColor;
}

} // namespace

int main(int argc, char** argv)
{
    CSimulatedRadio radio;
    if (!radio.IsAvailable()) {
        std::printf("no simulated radio (run through tools/test.sh)\n");
        return 0;
    }
    const int reads = argc > 1 ? std::atoi(argv[1]) : kReads;
    radio.Start("");
    SkinUI::CPaintManagerUI::SetInstance(::GetModuleHandleA(nullptr));
    auto* window = new DlgMain;
    PumpMessages();
    CMainRadioPanel& panel = window->Panel();
    const std::string wanted = " COM" + std::to_string(radio.Port());
    for (int i = 0; i < panel.ListItemCount(RadioList::ComPort) && panel.ListText(RadioList::ComPort) != wanted; ++i)
        panel.SelectListItem(RadioList::ComPort, i);
    if (panel.ListText(RadioList::ComPort) != wanted) {
        std::printf("COM%d is not in the window's port list\n", radio.Port());
        return 1;
    }
    for (int i = 0; i < kWarmUpReads; ++i) PressRead(*window);
    const Memory before = Measure();
    const DWORD start = ::GetTickCount();
    int failures = 0;
    for (int i = 0; i < reads; ++i) failures += PressRead(*window) ? 0 : 1;
    const double seconds = (::GetTickCount() - start) / 1000.0;
    const Memory after = Measure();
    delete window;
    PumpMessages();

    const double n = reads > 0 ? reads : 1;
    std::printf("%d reads in %.1f s, %d failed\n", reads, seconds, failures);
    std::printf("committed memory: %.1f kB after %d warm-up reads, %.1f kB after %d more (%+.2f kB per read)\n",
                before.committed / 1024, kWarmUpReads, after.committed / 1024, reads,
                (after.committed - before.committed) / 1024 / n);
    std::printf("process heap: %+.1f bytes per read\n", (after.processHeap - before.processHeap) / n);
    std::printf("C runtime heap (ours): %+.1f bytes per read\n", (after.runtimeHeap - before.runtimeHeap) / n);
    std::printf("GDI objects: %d before, %d after\n", before.gdiObjects, after.gdiObjects);
    return failures == 0 ? 0 : 1;
}
