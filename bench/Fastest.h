// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <chrono>

namespace tilora::bench {

// The fastest of `runs` timings of `work`, in seconds: the figure least disturbed by
// whatever else the machine is doing, for ratios that must hold from one run.
template <typename Work>
double Fastest(int runs, Work work)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

}  // namespace tilora::bench
