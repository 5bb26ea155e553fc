#include "MemoryModel.h"

#include <algorithm>
#include <cmath>

namespace qor {

namespace {

constexpr double kMinStability = 0.001;
constexpr double kMinDifficulty = 1.0;
constexpr double kMaxDifficulty = 10.0;

double clampDifficulty(double d) {
    return std::clamp(d, kMinDifficulty, kMaxDifficulty);
}

double value(Grade g) {
    return static_cast<double>(static_cast<int>(g));
}

} // namespace

MemoryModel::MemoryModel(const Fsrs6Weights& w)
    : w_(w), factor_(std::pow(0.9, -1.0 / w[20]) - 1.0) {}

double MemoryModel::retrievability(double elapsedDays, double stability) const {
    return std::pow(1.0 + factor_ * std::max(elapsedDays, 0.0) / stability, -w_[20]);
}

double MemoryModel::intervalDays(double stability, double retention) const {
    return stability / factor_ * (std::pow(retention, -1.0 / w_[20]) - 1.0);
}

int MemoryModel::scheduledDays(double stability, double retention, int maximumDays) const {
    const double days = std::round(intervalDays(stability, retention));
    return static_cast<int>(std::clamp(days, 1.0, static_cast<double>(maximumDays)));
}

double MemoryModel::initialStability(Grade g) const {
    return std::max(w_[static_cast<int>(g) - 1], kMinStability);
}

double MemoryModel::initialDifficulty(Grade g) const {
    return clampDifficulty(w_[4] - std::exp(w_[5] * (value(g) - 1.0)) + 1.0);
}

double MemoryModel::nextDifficulty(double difficulty, Grade g) const {
    const double delta = -w_[6] * (value(g) - 3.0);
    const double damped = difficulty + delta * (10.0 - difficulty) / 9.0;
    // Mean reversion towards the difficulty of a first Easy, so that a word long past its
    // troubles does not stay hard for ever.
    return clampDifficulty(w_[7] * initialDifficulty(Grade::Easy) + (1.0 - w_[7]) * damped);
}

double MemoryModel::recallStability(double difficulty, double stability, double r,
                                    Grade g) const {
    const double hardPenalty = g == Grade::Hard ? w_[15] : 1.0;
    const double easyBonus = g == Grade::Easy ? w_[16] : 1.0;
    const double increase = std::exp(w_[8]) * (11.0 - difficulty) * std::pow(stability, -w_[9]) *
                            (std::exp(w_[10] * (1.0 - r)) - 1.0) * hardPenalty * easyBonus;
    return std::max(stability * (1.0 + increase), kMinStability);
}

double MemoryModel::forgetStability(double difficulty, double stability, double r) const {
    const double longTerm = w_[11] * std::pow(difficulty, -w_[12]) *
                            (std::pow(stability + 1.0, w_[13]) - 1.0) * std::exp(w_[14] * (1.0 - r));
    // Forgetting never leaves a word more stable than a same-day Again would.
    const double bound = stability / std::exp(w_[17] * w_[18]);
    return std::max(std::min(longTerm, bound), kMinStability);
}

double MemoryModel::sameDayStability(double stability, Grade g) const {
    double increase = std::exp(w_[17] * (value(g) - 3.0 + w_[18])) * std::pow(stability, -w_[19]);
    if (g == Grade::Good || g == Grade::Easy)
        increase = std::max(increase, 1.0);
    return std::max(stability * increase, kMinStability);
}

MemoryState MemoryModel::first(Grade g) const {
    return {initialStability(g), initialDifficulty(g)};
}

MemoryState MemoryModel::review(const MemoryState& s, double elapsedDays, Grade g) const {
    MemoryState next;
    if (elapsedDays < 1.0) {
        next.stability = sameDayStability(s.stability, g);
    } else {
        const double r = retrievability(elapsedDays, s.stability);
        next.stability = g == Grade::Again ? forgetStability(s.difficulty, s.stability, r)
                                           : recallStability(s.difficulty, s.stability, r, g);
    }
    next.difficulty = nextDifficulty(s.difficulty, g);
    return next;
}

} // namespace qor
