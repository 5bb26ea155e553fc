// A year of daily drills by a simulated learner, one run per question source: how many of
// 2,000 words the learner recalls at the end, for the same 50 answers a day.
//
// The learner forgets by a model of its own, not the one the daily review schedules by:
// every word has a half-life h, drawn at random when the word is first met (log-normal,
// median 1 day); the chance of recall t days after the word was last seen is 2^(-t/h).
// A right answer grows the half-life, the more so the harder the recall was
// (h *= 1.2 + 4 (1 - p), p the chance at that moment: a spacing effect); a wrong one
// shrinks it to 60 % (not below the word's first half-life). The learner sees the right
// answer after every question, so each question restarts the word's forgetting. A word
// never met is not known.
//
// Drills: one a day, 50 answers, typed, no repeat-until-right. The sources follow the
// drill's own rules; they are modelled here, since the drill itself needs its windows
// and files:
//   random       each question a random line (random value modulo the word count)
//   no repeats   a fresh random permutation of all lines each drill, its first 50
//   yesterday    a drill of yesterday's misses (the day's list of distinct missed word
//                numbers, in order of first miss, as long as the list allows, at most 50),
//                then a random drill for the rest of the day's answers
//   importance   automatic importance on (a miss raises the word's level by one, up to 5;
//                a right answer lowers it by one), the drill of levels 1 to 5 with "then
//                from the dictionary as usual": the marked words shuffled, then random
//                lines; a day with no marked word is a random drill
//   daily review the real due selection and review records of records/ (90 %, 20 new words
//                a day), then a random drill for the rest of the day's answers; every
//                answer of the day's drills is graded (right Good, wrong Again) and
//                recorded by the real rules
// Recall is measured as the expected number of words recalled on the morning after the
// 365th day: the sum of every word's chance. Each seed draws its own learner; all sources
// meet the same learner and the same draws of recall.
//
// Run: build/bench/review_simulation [seeds]   (5 seeds by default)

#include "base/Random.h"
#include "records/DueSelection.h"
#include "records/MemoryModel.h"
#include "records/ReviewFile.h"
#include "records/WordReview.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

using namespace qor;

namespace {

constexpr int kWords = 2000;
constexpr int kPerDay = 50;
constexpr int kDays = 365;

// ---------------------------------------------------------------- the learner

class Learner {
public:
    explicit Learner(std::uint32_t seed) : draws_(seed * 7919u + 17u) {
        std::mt19937 halfLives(seed);
        std::lognormal_distribution<double> firstHalfLife(0.0, 0.6);  // median 1 day
        for (int i = 0; i < kWords; ++i)
            first_.push_back(firstHalfLife(halfLives));
        halfLife_ = first_;
        seen_.assign(kWords, -1.0);
    }

    double chance(int word, double t) const {
        const double last = seen_[static_cast<std::size_t>(word)];
        if (last < 0)
            return 0;
        return std::exp2(-(t - last) / halfLife_[static_cast<std::size_t>(word)]);
    }

    // One question at time t: whether the learner recalls the word; then the answer is seen.
    bool answer(int word, double t) {
        const std::size_t w = static_cast<std::size_t>(word);
        const double p = chance(word, t);
        const bool right = seen_[w] >= 0 && std::uniform_real_distribution<double>(0, 1)(draws_) < p;
        if (seen_[w] >= 0) {
            if (right)
                halfLife_[w] *= 1.2 + 4.0 * (1.0 - p);
            else
                halfLife_[w] = std::max(first_[w], halfLife_[w] * 0.6);
        }
        seen_[w] = t;
        return right;
    }

    double recalled(double t) const {
        double sum = 0;
        for (int i = 0; i < kWords; ++i)
            sum += chance(i, t);
        return sum;
    }

private:
    std::mt19937 draws_;
    std::vector<double> first_;
    std::vector<double> halfLife_;
    std::vector<double> seen_;  // time last seen, -1 never
};

// ---------------------------------------------------------------- the sources

// One day of drills: the answers given so far, and the time of the next one.
struct Day {
    int number;  // 0-based
    int answered = 0;
    double time() const { return number + answered / 1440.0; }  // an answer a minute
};

class Source {
public:
    virtual ~Source() = default;
    virtual const char* name() const = 0;
    // Runs the day's drills: kPerDay answers.
    virtual void day(Day& d, Learner& learner) = 0;
};

class RandomDrill final : public Source {
public:
    explicit RandomDrill(std::uint32_t seed) : random_(seed) {}
    const char* name() const override { return "random"; }
    void day(Day& d, Learner& learner) override {
        while (d.answered < kPerDay) {
            learner.answer(random_.below(kWords), d.time());
            ++d.answered;
        }
    }

private:
    MersenneRandom random_;
};

// The drill's shuffle: take a random element of the remaining ones, again and again.
std::vector<int> shuffled(std::vector<int> items, MersenneRandom& random) {
    std::vector<int> out;
    out.reserve(items.size());
    while (!items.empty()) {
        const int r = random.below(static_cast<int>(items.size()));
        out.push_back(items[static_cast<std::size_t>(r)]);
        items.erase(items.begin() + r);
    }
    return out;
}

class NoRepeatsSource final : public Source {
public:
    explicit NoRepeatsSource(std::uint32_t seed) : random_(seed) {}
    const char* name() const override { return "no repeats"; }
    void day(Day& d, Learner& learner) override {
        std::vector<int> all(kWords);
        for (int i = 0; i < kWords; ++i)
            all[static_cast<std::size_t>(i)] = i;
        const std::vector<int> order = shuffled(std::move(all), random_);
        for (int i = 0; d.answered < kPerDay; ++i) {
            learner.answer(order[static_cast<std::size_t>(i)], d.time());
            ++d.answered;
        }
    }

private:
    MersenneRandom random_;
};

class YesterdaySource final : public Source {
public:
    explicit YesterdaySource(std::uint32_t seed) : random_(seed) {}
    const char* name() const override { return "yesterday's errors + random"; }
    void day(Day& d, Learner& learner) override {
        // The day's roll-over: yesterday's list is the last drill day's misses.
        const std::vector<int> yesterday = std::move(today_);
        today_.clear();
        auto ask = [&](int word) {
            if (!learner.answer(word, d.time()) &&
                std::find(today_.begin(), today_.end(), word) == today_.end())
                today_.push_back(word);
            ++d.answered;
        };
        const int count = std::min<int>(kPerDay, static_cast<int>(yesterday.size()));
        for (int i = 0; i < count; ++i)
            ask(yesterday[static_cast<std::size_t>(i)]);
        while (d.answered < kPerDay)
            ask(random_.below(kWords));
    }

private:
    MersenneRandom random_;
    std::vector<int> today_;
};

class ImportanceSource final : public Source {
public:
    explicit ImportanceSource(std::uint32_t seed) : random_(seed), level_(kWords, 0) {}
    const char* name() const override { return "importance (automatic)"; }
    void day(Day& d, Learner& learner) override {
        std::vector<int> marked;
        for (int i = 0; i < kWords; ++i) {
            if (level_[static_cast<std::size_t>(i)] > 0)
                marked.push_back(i);
        }
        const std::vector<int> list = shuffled(std::move(marked), random_);
        for (std::size_t k = 0; d.answered < kPerDay; ++k) {
            const int word = k < list.size() ? list[k] : random_.below(kWords);
            int& level = level_[static_cast<std::size_t>(word)];
            if (learner.answer(word, d.time()))
                level = std::max(level - 1, 0);
            else
                level = std::min(level + 1, 5);
            ++d.answered;
        }
    }

private:
    MersenneRandom random_;
    std::vector<int> level_;
};

class DailyReviewSource final : public Source {
public:
    explicit DailyReviewSource(std::uint32_t seed) : random_(seed) {
        for (int i = 0; i < kWords; ++i)
            keys_.push_back("word" + std::to_string(i) + "_x");
    }
    const char* name() const override { return "daily review"; }
    void day(Day& d, Learner& learner) override {
        const StudyDay today{20000 + d.number};
        auto ask = [&](int word) {
            const bool right = learner.answer(word, d.time());
            const std::string& key = keys_[static_cast<std::size_t>(word)];
            std::optional<WordReview> r;
            if (auto it = records_.find(key); it != records_.end())
                r = it->second;
            applyAnswer(r, right ? Grade::Good : Grade::Again, today, model_);
            records_[key] = *r;
            ++d.answered;
        };
        const ReviewPlan plan = DueSelection(keys_, records_, ReviewSettings{}, model_).plan(today);
        due_ += plan.due;
        for (std::size_t i = 0; i < plan.lines.size() && d.answered < kPerDay; ++i)
            ask(plan.lines[i]);
        while (d.answered < kPerDay)
            ask(random_.below(kWords));
    }
    double duePerDay() const { return static_cast<double>(due_) / kDays; }

private:
    MersenneRandom random_;
    MemoryModel model_;
    std::vector<std::string> keys_;
    ReviewRecords records_;
    long due_ = 0;
};

double run(Source& source, std::uint32_t seed) {
    Learner learner(seed);
    for (int n = 0; n < kDays; ++n) {
        Day d{n};
        source.day(d, learner);
    }
    return learner.recalled(kDays);
}

} // namespace

int main(int argc, char** argv) {
    const int seeds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    constexpr int kSources = 5;
    std::vector<std::vector<double>> recalled(kSources);
    std::vector<std::string> names;
    double duePerDay = 0;
    for (int s = 1; s <= seeds; ++s) {
        const std::uint32_t seed = static_cast<std::uint32_t>(s);
        RandomDrill random(seed);
        NoRepeatsSource noRepeats(seed);
        YesterdaySource yesterday(seed);
        ImportanceSource importance(seed);
        DailyReviewSource review(seed);
        Source* sources[kSources] = {&random, &noRepeats, &yesterday, &importance, &review};
        names.clear();
        for (int i = 0; i < kSources; ++i) {
            recalled[static_cast<std::size_t>(i)].push_back(run(*sources[i], seed));
            names.push_back(sources[i]->name());
        }
        duePerDay += review.duePerDay() / seeds;
    }

    const double answers = static_cast<double>(kPerDay) * kDays;
    std::printf("%d words, %d answers a day for %d days (%.0f answers), %d learners (seeds 1-%d)\n"
                "words recalled on the morning after day %d: mean over the learners [lowest, highest]\n"
                "(daily review: the 今日の復習 source)\n\n",
                kWords, kPerDay, kDays, answers, seeds, seeds, kDays);
    std::printf("  %-30s %10s %18s %14s\n", "source", "recalled", "range", "per answer");
    double bestOther = 0;
    std::string bestName;
    std::vector<double> means;
    for (int i = 0; i < kSources; ++i) {
        const auto& v = recalled[static_cast<std::size_t>(i)];
        double mean = 0;
        for (double x : v)
            mean += x / static_cast<double>(v.size());
        means.push_back(mean);
        std::printf("  %-30s %10.1f   [%6.1f, %6.1f] %14.4f\n", names[static_cast<std::size_t>(i)].c_str(),
                    mean, *std::min_element(v.begin(), v.end()), *std::max_element(v.begin(), v.end()),
                    mean / answers);
        if (i < kSources - 1 && mean > bestOther) {
            bestOther = mean;
            bestName = names[static_cast<std::size_t>(i)];
        }
    }
    std::printf("\n  daily review / best other source (%s): %.2fx   (goal: at least 1.5x)\n",
                bestName.c_str(), means.back() / bestOther);
    std::printf("  daily review: %.1f due words a day on average\n", duePerDay);
    return 0;
}
