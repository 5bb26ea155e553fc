#include "app/Schedule.h"

#include "base/Cp932.h"
#include "base/IniFile.h"

#include <algorithm>

namespace qor {

namespace {

constexpr const char* kSection = "Plan";
constexpr const char* kCount = "PlanNum";
constexpr const char* kEmptyEntry = " ";

std::optional<int> number(std::string_view text) {
    auto n = parseDecimal(text);
    if (!n || *n < -1000000 || *n > 1000000) return std::nullopt;
    return static_cast<int>(*n);
}

// "PlanNum" as a count of entries to read; nullopt when it is not a number.
std::optional<int> storedCount(IniFile& ini, std::string* raw = nullptr) {
    std::string value = ini.read(kSection, kCount, "0");
    if (raw) *raw = value;
    auto n = parseDecimal(value);
    if (!n) return std::nullopt;
    return static_cast<int>(std::clamp<long long>(*n, 0, kMaxPlanEntries));
}

std::string dateText(const PlanEntry& e) {
    return std::to_string(e.year) + "/" + std::to_string(e.month) + "/" + std::to_string(e.day);
}

} // namespace

std::optional<PlanEntry> parsePlanEntry(std::string_view text) {
    std::size_t comma = find(text, ',');
    if (comma == std::string_view::npos) return std::nullopt;
    std::string_view date = text.substr(comma + 1);
    std::size_t slash1 = date.find('/');
    if (slash1 == std::string_view::npos) return std::nullopt;
    std::string_view rest = date.substr(slash1 + 1);
    std::size_t slash2 = rest.find('/');
    if (slash2 == std::string_view::npos) return std::nullopt;
    auto year = number(date.substr(0, slash1));
    auto month = number(rest.substr(0, slash2));
    auto day = number(rest.substr(slash2 + 1));
    if (!year || !month || !day || !isValidDate(*year, *month, *day)) return std::nullopt;
    return PlanEntry{std::string(text.substr(0, comma)), *year, *month, *day};
}

int dayDifference(const PlanEntry& entry, const DateTime& today) {
    return daysBetween(today.year, today.month, today.day, entry.year, entry.month, entry.day);
}

const PlanItem* PlanList::firstReadable() const {
    for (const PlanItem& item : items) {
        if (item.entry) return &item;
    }
    return nullptr;
}

PlanList PlanFile::read(const DateTime& today) const {
    PlanList list;
    IniFile ini(path_);
    std::string raw;
    std::optional<int> count = storedCount(ini, &raw);
    if (!count) {
        list.badCount = raw;
        return list;
    }
    for (int i = 0; i < *count; ++i) {
        PlanItem item;
        item.key = i;
        item.text = ini.read(kSection, std::to_string(i), kEmptyEntry);
        item.entry = parsePlanEntry(item.text);
        if (item.entry) item.days = dayDifference(*item.entry, today);
        list.items.push_back(std::move(item));
    }
    return list;
}

FileStatus PlanFile::drop(int key) const {
    IniFile ini(path_);
    std::optional<int> count = storedCount(ini);
    if (!count || key < 0 || key >= *count) return {};
    for (int k = key + 1; k <= *count; ++k)
        ini.write(kSection, std::to_string(k - 1),
                  ini.read(kSection, std::to_string(k), kEmptyEntry));
    ini.write(kSection, kCount, *count - 1);
    return ini.save();
}

std::string countdownText(const std::string& purpose, int days) {
    return purpose + sj("まで、あと ") + std::to_string(days) + sj("日");
}

std::string dayHasComeText(const std::string& purpose) {
    return sj("今日は、") + purpose + sj("の日です\nがんばってね(^^)/");
}

std::string checkTodayText(const std::string& purpose) {
    return sj("今日は、") + purpose + sj("の日です。がんばってね(^^)/\n");
}

std::string unreadablePlanText(const std::string& storedText) {
    return sj("スケジュールの予定を読み取れませんでした。\n\n「") + storedText +
           sj("」\n\nこの予定は飛ばします。基本設定のスケジュールで設定しなおしてください。");
}

CountdownStep countdownStep(const PlanList& plan) {
    CountdownStep step;
    const PlanItem* item = plan.firstReadable();
    if (!item) return step;
    step.key = item->key;
    if (item->days > 0) {
        step.kind = CountdownStep::Kind::Counting;
        step.panelText = countdownText(item->entry->purpose, item->days);
    } else if (item->days == 0) {
        step.kind = CountdownStep::Kind::DayHasCome;
        step.boxText = dayHasComeText(item->entry->purpose);
    } else {
        step.kind = CountdownStep::Kind::Passed;
    }
    return step;
}

PlanCheckResult planCheck(const PlanList& plan) {
    PlanCheckResult check;
    for (const PlanItem& item : plan.items) {
        if (!item.entry) {
            check.boxes.push_back({false, item.text});
            check.closingText += item.text + sj(" ： 日付を読み取れません") + "\n";
            continue;
        }
        const PlanEntry& e = *item.entry;
        check.boxes.push_back({true, item.days == 0 ? checkTodayText(e.purpose)
                                                    : countdownText(e.purpose, item.days)});
        std::string when = item.days > 0    ? sj("あと ") + std::to_string(item.days) + sj("日")
                           : item.days == 0 ? sj("今日")
                                            : std::to_string(-item.days) + sj("日前");
        check.closingText +=
            e.purpose + sj(" ： ") + dateText(e) + sj(" （") + when + sj("）") + "\n";
    }
    if (!check.closingText.empty()) check.closingText.pop_back();
    if (const PlanItem* first = plan.firstReadable(); first && first->days <= 0)
        check.dropKey = first->key;
    return check;
}

} // namespace qor
