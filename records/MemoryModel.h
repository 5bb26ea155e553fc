#pragma once
// The memory model behind the daily review: FSRS-6 of the open-spaced-repetition project.
//
// A word's memory is two numbers: its stability S (days until the chance of recall falls
// to 90 %) and its difficulty D (1 to 10). The chance of recall t days after the last
// review, the retrievability, falls on a power curve whose decay is itself a parameter:
//
//   R(t, S) = (1 + f t / S)^-w20,  f = 0.9^(-1/w20) - 1, so that R(S, S) = 0.9
//   I(r, S) = S / f * (r^(-1/w20) - 1)        days until R falls to the retention r
//
// After the first answer (grade G: 1 Again, 2 Hard, 3 Good, 4 Easy):
//   S0(G) = w[G-1]
//   D0(G) = w4 - e^(w5 (G-1)) + 1, kept within 1..10
// After each later answer, a day or more after the one before, with R = R(t, S):
//   recalled (Hard, Good, Easy):
//     S' = S (1 + e^w8 (11 - D) S^-w9 (e^(w10 (1-R)) - 1) * w15 if Hard * w16 if Easy)
//   forgotten (Again):
//     S' = min(w11 D^-w12 ((S+1)^w13 - 1) e^(w14 (1-R)),  S / e^(w17 w18))
//   difficulty, by linear damping and mean reversion towards D0(4):
//     D' = w7 D0(4) + (1 - w7) (D - w6 (G-3) (10 - D) / 9), kept within 1..10
// After an answer on the same day as the one before (t < 1), the short-term rule:
//     S' = S e^(w17 (G - 3 + w18)) S^-w19, never below S for Good and Easy
//     D' as above.
// Stability never falls below 0.001 day.
//
// Written from the formulas published on the project's page "The Algorithm"
// (github.com/open-spaced-repetition/fsrs4anki/wiki/The-Algorithm, section FSRS-6), its
// FSRS-5 section for the difficulty rules that FSRS-6 keeps, and the documented bounds of
// the post-lapse and same-day stability in the project's ts-fsrs API documentation
// (open-spaced-repetition.github.io/ts-fsrs, FSRSAlgorithm).
//
// Plain values in, plain values out: no clock, no file.

#include <array>

namespace qor {

enum class Grade { Again = 1, Hard = 2, Good = 3, Easy = 4 };

struct MemoryState {
    double stability = 0;   // days
    double difficulty = 0;  // 1 to 10

    friend bool operator==(const MemoryState&, const MemoryState&) = default;
};

// The 21 weights w0..w20 of FSRS-6.
using Fsrs6Weights = std::array<double, 21>;

// The published default weights of FSRS-6, as listed under "FSRS-6 / Default parameters"
// on the page "The Algorithm" of the open-spaced-repetition project (the defaults of
// FSRS 6.0, trained on the review logs of the project's Anki data set).
inline constexpr Fsrs6Weights kFsrs6DefaultWeights = {
    0.212,  1.2931, 2.3065, 8.2956,  // w0..w3   initial stability by grade
    6.4133, 0.8334,                  // w4, w5   initial difficulty
    3.0194, 0.001,                   // w6, w7   difficulty step, mean reversion
    1.8722, 0.1666, 0.796,           // w8..w10  stability after recall
    1.4835, 0.0614, 0.2629, 1.6483,  // w11..w14 stability after forgetting
    0.6014, 1.8729,                  // w15, w16 Hard penalty, Easy bonus
    0.5425, 0.0912, 0.0658,          // w17..w19 same-day reviews
    0.1542,                          // w20      decay of the forgetting curve
};

class MemoryModel {
public:
    explicit MemoryModel(const Fsrs6Weights& w = kFsrs6DefaultWeights);

    const Fsrs6Weights& weights() const { return w_; }

    // The chance of recall `elapsedDays` after the last review (1 at 0 days).
    double retrievability(double elapsedDays, double stability) const;
    // Days after which the retrievability falls to `retention` (0 < retention < 1),
    // not rounded.
    double intervalDays(double stability, double retention) const;
    // The interval as a whole number of days, as the published scheduler gives it:
    // rounded, at least 1, at most `maximumDays`.
    int scheduledDays(double stability, double retention, int maximumDays = 36500) const;

    // The state after a word's first answer.
    MemoryState first(Grade g) const;
    // The state after an answer `elapsedDays` after the previous one; less than a day
    // is a same-day review.
    MemoryState review(const MemoryState& s, double elapsedDays, Grade g) const;

    // The separate steps, for the formulas' own tests.
    double initialStability(Grade g) const;
    double initialDifficulty(Grade g) const;
    double nextDifficulty(double difficulty, Grade g) const;
    double recallStability(double difficulty, double stability, double r, Grade g) const;
    double forgetStability(double difficulty, double stability, double r) const;
    double sameDayStability(double stability, Grade g) const;

private:
    Fsrs6Weights w_;
    double factor_;
};

} // namespace qor
