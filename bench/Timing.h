#pragma once
// Wall times of the summaries the benchmarks print. These machines are shared and noisy,
// so a summary quotes medians, never one run.

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace qor::bench {

// Milliseconds that one call of `work` takes.
inline double millisecondsOf(const std::function<void()>& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The middle value (the mean of the two middle ones for an even count); 0 for none.
inline double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Median milliseconds of `work` over `runs` calls; `before`, untimed, runs ahead of each.
inline double medianMs(int runs, const std::function<void()>& work,
                       const std::function<void()>& before = {}) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (before)
            before();
        times.push_back(millisecondsOf(work));
    }
    return median(std::move(times));
}

} // namespace qor::bench
