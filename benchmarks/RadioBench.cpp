// Times a full Read and a full Write against the simulated radio, pacing
// its line at each rate, next to the time the bytes need on that line; then
// a Close while the port's monitor waits for events.
#include <cstdio>
#include <string>

#include "benchmarks/BenchTimer.h"
#include "radio/ComRadioLink.h"
#include "radio/MemoryRadioPanel.h"
#include "radio/RadioOperations.h"
#include "tests/integration/SimulatedRadio.h"

namespace {

constexpr int kRuns = 5;
constexpr double kWaitGranuleMs = 15.0;
// Close ends the monitor's wait itself instead of sitting out its limit of 2 s.
constexpr double kCloseGoalMs = 300.0;

// The mean time of a Read or Write, and the line time of its bytes; false when one failed.
bool Measure(int baud, int connectionRateIndex, int port, bool write, double& elapsedMs, double& lineMs)
{
    CMemoryRadioPanel panel;
    CComRadioLink link(panel);
    CRadioOperations operations(panel, link);
    panel.OnProtocolSelected([&](int protocol) { operations.OfferLinkRates(protocol); });
    operations.FillValueLists();
    panel.AddListItem(RadioList::ComPort, " COM" + std::to_string(port));
    panel.SelectListItem(RadioList::ComPort, 0);
    panel.SelectListItem(RadioList::ConnectionRate, connectionRateIndex);
    operations.ReadAllParameters(); // also gives the write valid values
    const std::size_t bytesBefore = link.BytesSent() + link.BytesReceived();
    elapsedMs = TimedMs([&] {
                    for (int run = 0; run < kRuns; ++run)
                        write ? operations.WriteParameters() : operations.ReadAllParameters();
                }) /
                kRuns;
    lineMs = static_cast<double>(link.BytesSent() + link.BytesReceived() - bytesBefore) / kRuns * 10000.0 / baud;
    return panel.StatusSuccess();
}

const char* Verdict(bool succeeded, bool within)
{
    return !succeeded ? "FAILED" : within ? "within goal" : "over goal";
}

} // namespace

int main()
{
    CSimulatedRadio radio;
    if (!radio.IsAvailable()) {
        std::printf("no simulated radio (run through tools/test.sh)\n");
        return 0;
    }
    bool allWithinGoal = true;
    std::printf("%-6s %7s %12s %12s %12s  %s\n", "op", "baud", "elapsed ms", "line ms", "goal ms", "result");
    for (const auto& [baud, rateIndex] : {std::pair{38400, 2}, std::pair{115200, 4}}) {
        radio.Start("--baud " + std::to_string(baud));
        for (bool write : {false, true}) {
            double elapsedMs = 0, lineMs = 0;
            const bool succeeded = Measure(baud, rateIndex, radio.Port(), write, elapsedMs, lineMs);
            const double goal = 2.0 * lineMs + kWaitGranuleMs * (write ? 14 : 18);
            allWithinGoal = allWithinGoal && succeeded && elapsedMs <= goal;
            std::printf("%-6s %7d %12.1f %12.1f %12.1f  %s\n", write ? "write" : "read", baud, elapsedMs, lineMs, goal,
                        Verdict(succeeded, elapsedMs <= goal));
        }
    }
    radio.Start("");
    CMemoryRadioPanel panel;
    CComRadioLink link(panel);
    const bool opened = link.OpenPort(radio.Port(), 38400);
    const double closeMs = TimedMs([&] { link.Close(); });
    allWithinGoal = allWithinGoal && opened && closeMs <= kCloseGoalMs;
    std::printf("close with the monitor running: %.1f ms (goal %.0f ms): %s\n", closeMs, kCloseGoalMs,
                Verdict(opened, closeMs <= kCloseGoalMs));
    std::printf("%s\n", allWithinGoal ? "all within goal" : "some over goal");
    return 0;
}
