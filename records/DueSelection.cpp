#include "records/DueSelection.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

namespace qor {

namespace {

// Beyond any schedule the records can hold; keeps the day numbers far from overflow.
constexpr double kLongestInterval = 100000;
// An interval that equals a whole number of days but for rounding is that many days.
constexpr double kRoundingSlack = 1e-9;

double validRetention(double r) {
    return r > 0 && r < 1 ? r : 0.9;
}

} // namespace

ReviewSettings reviewSettingsOf(const ReviewOptions& options) {
    return ReviewSettings{options.TargetRetention / 100.0, options.NewWordsPerDay};
}

DueSelection::DueSelection(const std::vector<std::string>& wordKeys, const ReviewRecords& records,
                           const ReviewSettings& settings, const MemoryModel& model)
    : model_(model), retention_(validRetention(settings.targetRetention)),
      newPerDay_(std::max(settings.newWordsPerDay, 0)) {
    std::unordered_set<std::string_view> seen;
    seen.reserve(wordKeys.size());
    for (std::size_t i = 0; i < wordKeys.size(); ++i) {
        if (!seen.insert(wordKeys[i]).second)
            continue;
        const int line = static_cast<int>(i);
        auto it = records.find(wordKeys[i]);
        if (it == records.end())
            fresh_.push_back(line);
        else
            known_.push_back({line, it->second, dueDay(it->second, retention_, model_)});
    }
}

StudyDay DueSelection::dueDay(const WordReview& r, double targetRetention,
                              const MemoryModel& model) {
    const double interval = model.intervalDays(r.memory.stability, validRetention(targetRetention));
    const double days = std::clamp(std::ceil(interval - kRoundingSlack), 1.0, kLongestInterval);
    return r.lastReview.plus(static_cast<int>(days));
}

ReviewPlan DueSelection::plan(StudyDay today) const {
    struct Due {
        double r;
        int line;
    };
    std::vector<Due> due;
    for (const Known& k : known_) {
        if (k.due <= today)
            due.push_back({model_.retrievability(today - k.review.lastReview, k.review.memory.stability),
                           k.line});
    }
    std::sort(due.begin(), due.end(), [](const Due& a, const Due& b) {
        return a.r != b.r ? a.r < b.r : a.line < b.line;
    });

    ReviewPlan plan;
    for (const Due& d : due)
        plan.lines.push_back(d.line);
    plan.due = static_cast<int>(due.size());
    const int room = std::max(newPerDay_ - introducedOn(today), 0);
    plan.fresh = std::min(room, static_cast<int>(fresh_.size()));
    plan.lines.insert(plan.lines.end(), fresh_.begin(), fresh_.begin() + plan.fresh);
    return plan;
}

int DueSelection::dueCount(StudyDay day) const {
    return static_cast<int>(
        std::count_if(known_.begin(), known_.end(), [&](const Known& k) { return k.due <= day; }));
}

std::vector<int> DueSelection::forecast(StudyDay today, int days) const {
    std::vector<int> out(static_cast<std::size_t>(std::max(days, 0)), 0);
    for (const Known& k : known_) {
        const int ahead = k.due - today;
        if (ahead >= 1 && ahead <= days)
            ++out[static_cast<std::size_t>(ahead - 1)];
    }
    return out;
}

int DueSelection::introducedOn(StudyDay day) const {
    return static_cast<int>(std::count_if(known_.begin(), known_.end(), [&](const Known& k) {
        return k.review.reviews == 1 && k.review.lastReview == day;
    }));
}

} // namespace qor
