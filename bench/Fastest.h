// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <chrono>
#include <ctime>

namespace tilora::bench {

// Seconds on the wall clock.
inline double WallSeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Seconds of processor time of the whole process, every thread included: what a machine
// busy with other work disturbs least.
inline double ProcessSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The fastest of `runs` timings of `work` by the clock `now`, in seconds: the figure least
// disturbed by whatever else the machine is doing, for ratios that must hold from one run.
template <typename Work>
double Fastest(int runs, Work work, double (*now)() = WallSeconds)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        const double start = now();
        work();
        best = std::min(best, now() - start);
    }
    return best;
}

}  // namespace tilora::bench
