#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "radio/UpgradeWorker.h"

namespace {

using namespace std::chrono;

// Polls until the condition holds or two seconds have passed.
template <typename Condition>
bool Eventually(Condition condition)
{
    auto deadline = steady_clock::now() + seconds(2);
    while (!condition()) {
        if (steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(milliseconds(5));
    }
    return true;
}

// Several poll intervals: long enough for a wrongly repeated run to start.
void SeveralPolls()
{
    std::this_thread::sleep_for(milliseconds(250));
}

TEST(UpgradeWorkerTest, RequestRunsTheUpgradeOnce)
{
    std::atomic<int> runs{0};
    CUpgradeWorker worker([&] { ++runs; });
    worker.Request();
    SeveralPolls();
    EXPECT_EQ(runs, 0) << "ran before Start";

    worker.Start();
    worker.Start();
    ASSERT_TRUE(Eventually([&] { return runs == 1 && !worker.IsRequested(); }));
    SeveralPolls();
    EXPECT_EQ(runs, 1);

    worker.Request();
    ASSERT_TRUE(Eventually([&] { return runs == 2; }));
}

TEST(UpgradeWorkerTest, RequestDuringARunIsAbsorbed)
{
    std::atomic<int> runs{0};
    std::atomic<bool> release{false};
    CUpgradeWorker worker([&] {
        ++runs;
        while (!release)
            std::this_thread::sleep_for(milliseconds(1));
    });
    worker.Start();
    worker.Request();
    ASSERT_TRUE(Eventually([&] { return worker.IsRunning(); }));
    worker.Request();
    EXPECT_TRUE(worker.IsRequested());
    release = true;
    ASSERT_TRUE(Eventually([&] { return !worker.IsRunning() && !worker.IsRequested(); }));
    SeveralPolls();
    EXPECT_EQ(runs, 1);
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
    EXPECT_FALSE(worker.IsRunning());
    worker.Request();
    worker.Start();
    SeveralPolls();
    EXPECT_EQ(runs, 1) << "the worker ran again after Stop";
}

}  // namespace
