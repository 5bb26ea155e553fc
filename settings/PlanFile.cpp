#include "settings/PlanFile.h"

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

std::string planDateText(int year, int month, int day) {
    return std::to_string(year) + "/" + std::to_string(month) + "/" + std::to_string(day);
}

std::string planEntryText(const PlanEntry& entry) {
    return entry.purpose + "," + planDateText(entry.year, entry.month, entry.day);
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

void PlanFile::write(IniFile& ini, const std::vector<std::string>& entries) {
    const int count = static_cast<int>(entries.size());
    // Under a count that is no number the entries could not be shown: they stay in the
    // file, where the learner can still find them.
    const bool readable = storedCount(ini).has_value();
    ini.write(kSection, kCount, count);
    for (int i = 0; i < count; ++i)
        ini.write(kSection, std::to_string(i), entries[static_cast<std::size_t>(i)]);
    for (const std::string& key : readable ? ini.keys(kSection) : std::vector<std::string>{}) {
        auto n = parseDecimal(key);
        if (n && *n >= count && std::to_string(*n) == key) ini.removeKey(kSection, key);
    }
}

} // namespace qor
