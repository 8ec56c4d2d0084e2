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

TEST(UpgradeWorkerTest, EachRequestRunsOnceAndOneDuringARunIsAbsorbed)
{
    std::atomic<int> runs{0};
    std::atomic<bool> release{false};
    CUpgradeWorker worker([&] {
        ++runs;
        while (!release) std::this_thread::sleep_for(milliseconds(1));
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

    worker.Request();
    EXPECT_TRUE(Eventually([&] { return runs == 2; }));
}

TEST(UpgradeWorkerTest, StopWaitsForTheRunningUpgradeAndEndsTheThread)
{
    std::atomic<bool> finished{false};
    std::atomic<int> runs{0};
    CUpgradeWorker worker([&] {
        ++runs;
        std::this_thread::sleep_for(milliseconds(200));
        finished = true;
    });
    worker.Start();
    worker.Request();
    ASSERT_TRUE(Eventually([&] { return worker.IsRunning(); }));
    worker.Stop();
    EXPECT_TRUE(finished);
    worker.Request();
    worker.Start();
    SeveralPolls();
    EXPECT_EQ(runs, 1) << "the worker ran again after Stop";
}

} // namespace
