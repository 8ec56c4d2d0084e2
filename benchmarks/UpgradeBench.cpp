// Times a 64 KiB firmware upgrade against the simulated boot loader pacing
// its line at 115200 baud, next to its floor: every page's pause and the
// bytes of its two exchanges on the line. Then times a page's two exchanges
// alone, to show how much of the gap is the reply latency of the port.
#include <windows.h>

#include <cstdio>
#include <string>
#include <utility>

#include "benchmarks/BenchTimer.h"
#include "radio/ComRadioLink.h"
#include "radio/FirmwarePacket.h"
#include "radio/FirmwareUpgrade.h"
#include "radio/MemoryRadioPanel.h"
#include "radio/UpgradeReporter.h"
#include "tests/integration/SimulatedRadio.h"

namespace {

constexpr std::size_t kFirmwareSize = 64 * 1024;
constexpr double kPagePauseMs = 50.0;
// A packet and its reply, "write page" and its reply: about 278 bytes.
constexpr double kLineBytesPerPage = 258 + 20;
constexpr double kLineMsPerPage = kLineBytesPerPage * 10 * 1000.0 / CRadioLink::kUpgradeBaud;
constexpr double kGoalRatio = 1.15;
constexpr int kExchangeRuns = 40;

// Hands the upgrade the firmware file and the port and keeps its result.
struct CBenchReporter : IUpgradeReporter {
    CBenchReporter(std::string file, int portNumber)
        : path(std::move(file))
        , port(portNumber)
    {}
    bool ChooseFirmwareFile(std::string& chosen) override { return chosen = path, true; }
    int BeginUpgrade() override { return port; }
    void ShowProgress(int) override {}
    void EndUpgrade(bool success) override { succeeded = success; }

    std::string path;
    int port;
    bool succeeded = false;
};

bool Upgrade(int port, double& elapsedMs)
{
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    const std::string path = std::string(folder) + "upgrade-bench-" + std::to_string(GetCurrentProcessId()) + ".dwn";
    WriteFirmwareFile(path, kFirmwareSize);
    CMemoryRadioPanel panel;
    CComRadioLink link(panel);
    CBenchReporter reporter(path, port);
    CFirmwareUpgrade upgrade(link, reporter);
    elapsedMs = TimedMs([&] { upgrade.UpgradeFirmware(); });
    DeleteFileA(path.c_str());
    return reporter.succeeded;
}

// "write page" and a packet, back to back without the pause; the mean per page.
bool PageExchanges(int port, double& elapsedMs)
{
    CMemoryRadioPanel panel;
    CComRadioLink link(panel);
    if (!link.OpenPort(port, CRadioLink::kUpgradeBaud) || !link.SendCommand("boot_start")) return false;
    FirmwarePacket::Packet packet = FirmwarePacket::BuildPacket(FirmwarePacket::Page{});
    bool answered = true;
    elapsedMs = TimedMs([&] {
                    for (int run = 0; run < kExchangeRuns && answered; ++run)
                        answered = link.SendCommand("write page") && link.SendAndWait(packet.data(), packet.size()) &&
                                   link.ReplyContains("write OK");
                }) /
                kExchangeRuns;
    link.Close();
    return answered;
}

} // namespace

int main()
{
    CSimulatedRadio radio;
    if (!radio.IsAvailable()) {
        std::printf("no simulated radio (run through tools/test.sh)\n");
        return 0;
    }
    radio.Start("--baud 115200");
    double pages = static_cast<double>(FirmwarePacket::PageCount(kFirmwareSize));
    double floorMs = pages * (kPagePauseMs + kLineMsPerPage);
    double upgradeMs = 0;
    bool upgraded = Upgrade(radio.Port(), upgradeMs);
    radio.Start("--baud 115200");
    double exchangeMs = 0;
    bool exchanged = PageExchanges(radio.Port(), exchangeMs);
    radio.Start("");

    std::printf("%-26s %6s %12s %12s %7s  %s\n", "", "pages", "elapsed ms", "floor ms", "ratio", "result");
    const char* const row = "%-26s %6.0f %12.1f %12.1f %7.3f  %s\n";
    std::printf(row, "upgrade 64 KiB at 115200", pages, upgradeMs, floorMs, upgradeMs / floorMs,
                !upgraded                           ? "FAILED"
                : upgradeMs <= floorMs * kGoalRatio ? "within goal (15 %)"
                                                    : "over goal (15 %)");
    std::printf(row, "one page's exchanges", 1.0, exchangeMs, kLineMsPerPage, exchangeMs / kLineMsPerPage,
                exchanged ? "no pause" : "FAILED");
    std::printf("gap per page %.1f ms, of which reply latency beyond the line %.1f ms\n", (upgradeMs - floorMs) / pages,
                exchangeMs - kLineMsPerPage);
    return 0;
}
