#include "WordReview.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>
#include <vector>

namespace qor {

bool applyAnswer(std::optional<WordReview>& record, Grade grade, StudyDay today,
                 const MemoryModel& model) {
    if (!record) {
        record = WordReview{today, model.first(grade), 1, 0};
        return true;
    }
    WordReview& r = *record;
    const int elapsed = today - r.lastReview;
    if (elapsed >= 1) {
        r.memory = model.review(r.memory, elapsed, grade);
        r.lastReview = today;
        ++r.reviews;
        if (grade == Grade::Again)
            ++r.lapses;
        return true;
    }
    if (grade == Grade::Good || grade == Grade::Easy)
        return false;
    const MemoryState next = model.review(r.memory, 0, grade);
    r.memory.stability = std::min(r.memory.stability, next.stability);
    r.memory.difficulty = next.difficulty;
    return true;
}

namespace {

void appendNumber(std::string& out, double value) {
    char buffer[32];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, ec == std::errc() ? end : buffer);
}

void appendNumber(std::string& out, int value) {
    char buffer[16];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, ec == std::errc() ? end : buffer);
}

template <typename T>
std::optional<T> number(std::string_view text) {
    T value{};
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

std::vector<std::string_view> fields(std::string_view text) {
    std::vector<std::string_view> out;
    for (;;) {
        std::size_t comma = text.find(',');
        out.push_back(text.substr(0, comma));
        if (comma == std::string_view::npos)
            return out;
        text.remove_prefix(comma + 1);
    }
}

} // namespace

std::string reviewText(const WordReview& r) {
    std::string out = r.lastReview.text();
    out += ',';
    appendNumber(out, r.memory.stability);
    out += ',';
    appendNumber(out, r.memory.difficulty);
    out += ',';
    appendNumber(out, r.reviews);
    out += ',';
    appendNumber(out, r.lapses);
    return out;
}

std::optional<WordReview> parseReview(std::string_view text) {
    const std::vector<std::string_view> f = fields(text);
    if (f.size() != 5)
        return std::nullopt;
    auto day = StudyDay::parse(f[0]);
    auto stability = number<double>(f[1]);
    auto difficulty = number<double>(f[2]);
    auto reviews = number<int>(f[3]);
    auto lapses = number<int>(f[4]);
    if (!day || !stability || !difficulty || !reviews || !lapses)
        return std::nullopt;
    if (!std::isfinite(*stability) || *stability <= 0 || !std::isfinite(*difficulty) ||
        *difficulty < 1 || *difficulty > 10 || *reviews < 0 || *lapses < 0)
        return std::nullopt;
    return WordReview{*day, {*stability, *difficulty}, *reviews, *lapses};
}

} // namespace qor
