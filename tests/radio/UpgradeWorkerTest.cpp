#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "radio/UpgradeWorker.h"

namespace {

using namespace std::chrono;

template <typename Condition> bool Eventually(Condition condition)
{
    const auto deadline = steady_clock::now() + seconds(2);
    while (!condition() && steady_clock::now() < deadline) std::this_thread::sleep_for(milliseconds(5));
    return condition();
}

// Long enough for a wrongly repeated run to start.
void SeveralPolls()
{
    std::this_thread::sleep_for(milliseconds(250));
}

// A request waits for Start, one made during a run is absorbed, and Stop waits
// for the running upgrade; nothing runs after Stop.
TEST(UpgradeWorkerTest, EachRequestRunsOnceAndStopWaitsForTheRunningUpgrade)
{
    std::atomic<int> runs{0};
    std::atomic<bool> release{false}, finished{false};
    CUpgradeWorker worker([&] {
        ++runs;
        while (!release) std::this_thread::sleep_for(milliseconds(1));
        finished = runs == 2;
    });
    worker.Request();
    SeveralPolls();
    EXPECT_EQ(runs, 0) << "ran before Start";
    worker.Start();
    worker.Start();
    ASSERT_TRUE(Eventually([&] { return worker.IsRunning(); }));
    worker.Request();
    release = true;
    ASSERT_TRUE(Eventually([&] { return !worker.IsRunning() && !worker.IsRequested(); }));
    SeveralPolls();
    EXPECT_EQ(runs, 1);

    release = false;
    worker.Request();
    ASSERT_TRUE(Eventually([&] { return worker.IsRunning(); }));
    std::thread late([&] {
        std::this_thread::sleep_for(milliseconds(200));
        release = true;
    });
    worker.Stop();
    late.join();
    EXPECT_TRUE(finished);
    worker.Request();
    worker.Start();
    SeveralPolls();
    EXPECT_EQ(runs, 2) << "the worker ran again after Stop";
}

} // namespace
