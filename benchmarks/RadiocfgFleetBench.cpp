// Times radiocfg writing one file to 8 simulated radios at once against
// writing it to one, each radio on a cable of its own and pacing its line.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "benchmarks/BenchTimer.h"
#include "tests/integration/RadioOnCable.h"

namespace {

constexpr int kRuns = 5;
// radiocfg's default rate, which each radio paces its replies at.
constexpr int kBaud = 38400;
constexpr std::size_t kFleet = 8;
constexpr double kGoalRatio = 1.5;

struct Figures {
    double elapsedMs = 0;
    bool succeeded = true;
};

Figures TimeWrites(const std::vector<std::unique_ptr<CRadioOnCable>>& radios, std::size_t count,
                   const std::string& file)
{
    std::vector<std::string> arguments = {RADIOCFG_EXE, "write"};
    for (std::size_t i = 0; i < count; ++i) {
        arguments.push_back("--port");
        arguments.push_back(radios[i]->Device());
    }
    arguments.push_back(file);
    Figures figures;
    figures.elapsedMs = TimedMs([&] {
                            for (int run = 0; run < kRuns; ++run)
                                figures.succeeded = RunChild(arguments).exitCode == 0 && figures.succeeded;
                        }) /
                        kRuns;
    return figures;
}

} // namespace

int main()
{
    const std::string folder = MakeRunFolder("radiocfg-bench");
    if (RadiosimProgram().empty() || folder.empty()) {
        std::printf("no simulated radio: RADIOSIM_EXE names none (run through tools/test.sh)\n");
        return 0;
    }
    std::vector<std::unique_ptr<CRadioOnCable>> radios;
    bool running = true;
    for (std::size_t i = 0; i < kFleet; ++i) {
        radios.push_back(std::make_unique<CRadioOnCable>(folder, "radio" + std::to_string(i)));
        running = running && radios.back()->IsRunning();
        radios.back()->Radio().Start("--baud " + std::to_string(kBaud));
    }
    const std::string file = folder + "/fleet";
    if (!running || RunChild({RADIOCFG_EXE, "read", "--port", radios[0]->Device(), "--out", file}).exitCode != 0) {
        std::printf("FAILED: the simulated radios did not answer\n");
        radios.clear();
        std::filesystem::remove_all(folder);
        return 1;
    }
    const Figures one = TimeWrites(radios, 1, file + ".cfg");
    const Figures fleet = TimeWrites(radios, kFleet, file + ".cfg");
    const double ratio = fleet.elapsedMs / one.elapsedMs;
    std::printf("%-8s %12s  %s\n", "radios", "write ms", "result");
    std::printf("%-8d %12.1f  %s\n", 1, one.elapsedMs, one.succeeded ? "all succeeded" : "FAILED");
    std::printf("%-8zu %12.1f  %s\n", kFleet, fleet.elapsedMs, fleet.succeeded ? "all succeeded" : "FAILED");
    std::printf("%zu radios take %.2f times the time of one (goal at most %.1f): %s\n", kFleet, ratio, kGoalRatio,
                ratio <= kGoalRatio ? "within goal" : "over goal");
    radios.clear();
    std::filesystem::remove_all(folder);
    return one.succeeded && fleet.succeeded ? 0 : 1;
}
