// Times a full Read and a full Write against the simulated radio, pacing
// its line at each rate, next to the time the bytes need on that line; then
// a Close while the port's monitor waits for events.
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "radio/ComRadioLink.h"
#include "radio/MemoryRadioPanel.h"
#include "radio/RadioOperations.h"
#include "tests/integration/SimulatedRadio.h"

namespace {

constexpr int kRuns = 5;
constexpr double kWaitGranuleMs = 15.0;
// Close ends the monitor's wait itself instead of sitting out its limit of 2 s.
constexpr double kCloseGoalMs = 300.0;

struct Figures {
    double elapsedMs;
    double lineMs;
    bool succeeded;
};

Figures Measure(int baud, int connectionRateIndex, int port, bool write)
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

    std::size_t bytesBefore = link.BytesSent() + link.BytesReceived();
    auto start = std::chrono::steady_clock::now();
    for (int run = 0; run < kRuns; ++run) {
        if (write)
            operations.WriteParameters();
        else
            operations.ReadAllParameters();
    }
    std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    double bytes = static_cast<double>(link.BytesSent() + link.BytesReceived() - bytesBefore) / kRuns;
    return {elapsed.count() / kRuns, bytes * 10.0 * 1000.0 / baud, panel.StatusSuccess()};
}

double CloseMs(int port)
{
    CMemoryRadioPanel panel;
    CComRadioLink link(panel);
    if (!link.OpenPort(port, 38400)) return -1;
    const auto start = std::chrono::steady_clock::now();
    link.Close();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main()
{
    CSimulatedRadio radio;
    if (!radio.IsAvailable()) {
        std::printf("no simulated radio (run through tools/test.sh)\n");
        return 0;
    }
    const struct {
        int baud;
        int connectionRateIndex;
    } rates[] = {{38400, 2}, {115200, 4}};
    bool allWithinGoal = true;
    std::printf("%-6s %7s %12s %12s %12s  %s\n", "op", "baud", "elapsed ms", "line ms", "goal ms", "result");
    for (const auto& rate : rates) {
        radio.Start("--baud " + std::to_string(rate.baud));
        for (bool write : {false, true}) {
            int commands = write ? 14 : 18;
            Figures figures = Measure(rate.baud, rate.connectionRateIndex, radio.Port(), write);
            double goal = 2.0 * figures.lineMs + kWaitGranuleMs * commands;
            bool within = figures.succeeded && figures.elapsedMs <= goal;
            allWithinGoal = allWithinGoal && within;
            std::printf("%-6s %7d %12.1f %12.1f %12.1f  %s\n", write ? "write" : "read", rate.baud, figures.elapsedMs,
                        figures.lineMs, goal,
                        !figures.succeeded ? "FAILED"
                        : within           ? "within goal"
                                           : "over goal");
        }
    }
    radio.Start("");
    const double closeMs = CloseMs(radio.Port());
    allWithinGoal = allWithinGoal && closeMs >= 0 && closeMs <= kCloseGoalMs;
    std::printf("close with the monitor running: %.1f ms (goal %.0f ms): %s\n", closeMs, kCloseGoalMs,
                closeMs < 0               ? "FAILED"
                : closeMs <= kCloseGoalMs ? "within goal"
                                          : "over goal");
    std::printf("%s\n", allWithinGoal ? "all within goal" : "some over goal");
    return 0;
}
