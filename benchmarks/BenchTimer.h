#pragma once

#include <chrono>

// The milliseconds some work takes, for the benchmarks.
template <typename Work> double TimedMs(Work work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}
