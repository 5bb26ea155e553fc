#pragma once
// The program's one uniform pseudo-random generator. Tests install a scripted source.

#include <cstdint>
#include <random>
#include <vector>

namespace qor {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A value from 0 to n - 1; 0 when n is 0 or less.
    virtual int below(int n) = 0;
};

class MersenneRandom final : public RandomSource {
public:
    explicit MersenneRandom(std::uint32_t seed = 5489u) : engine_(seed) {}
    void seed(std::uint32_t s) { engine_.seed(s); }
    int below(int n) override;

private:
    std::mt19937 engine_;
};

// Answers the listed values in turn (each taken modulo n), starting over at the end.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<int> values) : values_(std::move(values)) {}
    int below(int n) override;
    int draws() const { return draws_; }

private:
    std::vector<int> values_;
    std::size_t next_ = 0;
    int draws_ = 0;
};

RandomSource& programRandom();
// Installs a source (nullptr restores the program's generator). The caller keeps ownership.
void setRandom(RandomSource* r);
// Seeds the program's generator from the clock.
void seedRandomFromClock();

} // namespace qor
