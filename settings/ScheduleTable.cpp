#include "settings/ScheduleTable.h"

#include "base/Clock.h"
#include "base/Cp932.h"

#include <utility>

namespace qor {

std::string ScheduleRow::dateText() const {
    return unreadable ? std::string() : planDateText(year, month, day);
}

std::string ScheduleRow::entryText() const {
    return unreadable ? *unreadable : planEntryText({purpose, year, month, day});
}

ScheduleTable ScheduleTable::fromPlan(const PlanList& plan) {
    ScheduleTable table;
    for (const PlanItem& item : plan.items) {
        ScheduleRow row;
        if (item.entry) {
            row.purpose = item.entry->purpose;
            row.year = item.entry->year;
            row.month = item.entry->month;
            row.day = item.entry->day;
        } else {
            row.unreadable = item.text;
            // What stands before the first comma is most likely the purpose.
            row.purpose = item.text.substr(0, std::min(item.text.size(), find(item.text, ',')));
        }
        table.rows_.push_back(std::move(row));
    }
    return table;
}

ScheduleProblem ScheduleTable::check(const ScheduleRow& row) {
    if (row.purpose.empty()) return ScheduleProblem::NoPurpose;
    if (row.purpose.size() > kMaxPurposeBytes) return ScheduleProblem::PurposeTooLong;
    if (find(row.purpose, ',') != std::string::npos) return ScheduleProblem::CommaInPurpose;
    if (!isValidDate(row.year, row.month, row.day)) return ScheduleProblem::NoSuchDate;
    return ScheduleProblem::None;
}

ScheduleProblem ScheduleTable::add(const ScheduleRow& row) {
    if (size() >= kMaxRows) return ScheduleProblem::Full;
    ScheduleRow entry = row;
    entry.unreadable.reset();
    if (ScheduleProblem p = check(entry); p != ScheduleProblem::None) return p;
    rows_.push_back(std::move(entry));
    return ScheduleProblem::None;
}

ScheduleProblem ScheduleTable::change(int index, const ScheduleRow& row) {
    ScheduleRow entry = row;
    entry.unreadable.reset();
    if (ScheduleProblem p = check(entry); p != ScheduleProblem::None) return p;
    if (valid(index)) rows_[static_cast<std::size_t>(index)] = std::move(entry);
    return ScheduleProblem::None;
}

bool ScheduleTable::remove(int index) {
    if (!valid(index)) return false;
    rows_.erase(rows_.begin() + index);
    return true;
}

int ScheduleTable::move(int index, int by) {
    const int to = index + by;
    if (!valid(index) || !valid(to)) return -1;
    std::swap(rows_[static_cast<std::size_t>(index)], rows_[static_cast<std::size_t>(to)]);
    return to;
}

std::vector<std::string> ScheduleTable::entryTexts() const {
    std::vector<std::string> texts;
    for (const ScheduleRow& row : rows_)
        texts.push_back(row.entryText());
    return texts;
}

std::string scheduleProblemText(ScheduleProblem problem, const ScheduleRow& row) {
    switch (problem) {
    case ScheduleProblem::None:
        return {};
    case ScheduleProblem::Full:
        return sj("登録できるのは、最大５つまでです");
    case ScheduleProblem::NoPurpose:
        return sj("目的が記入されていません");
    case ScheduleProblem::PurposeTooLong:
        return sj("目的が長すぎます。\n全角で７文字、半角で１４文字以内で記入してください。");
    case ScheduleProblem::CommaInPurpose:
        return sj("目的には \",\" （半角のカンマ）を使えません。");
    case ScheduleProblem::NoSuchDate:
        return sj("日程の日付が正しくありません。\n") + std::to_string(row.year) + sj("年") +
               std::to_string(row.month) + sj("月") + std::to_string(row.day) +
               sj("日 という日はありません。");
    }
    return {};
}

} // namespace qor
