#include "Random.h"

#include <chrono>

namespace qor {

int MersenneRandom::below(int n) {
    if (n <= 0)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(engine_);
}

int ScriptedRandom::below(int n) {
    ++draws_;
    if (n <= 0 || values_.empty())
        return 0;
    int v = values_[next_];
    next_ = (next_ + 1) % values_.size();
    int r = v % n;
    return r < 0 ? r + n : r;
}

namespace {
MersenneRandom generator;
RandomSource* installedRandom = nullptr;
} // namespace

RandomSource& programRandom() {
    return installedRandom ? *installedRandom : generator;
}

void setRandom(RandomSource* r) {
    installedRandom = r;
}

void seedRandomFromClock() {
    auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    generator.seed(static_cast<std::uint32_t>(ticks ^ (ticks >> 32)));
}

} // namespace qor
