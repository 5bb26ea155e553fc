#include "app/Schedule.h"

#include "base/BoxList.h"
#include "base/Cp932.h"

namespace qor {

// The dialog keeps a purpose to 14 bytes; one edited by hand into Setup.ini may be of any
// length, and the countdown shows it in a status panel every second.
std::string countdownText(const std::string& purpose, int days) {
    return boxItem(purpose) + sj("まで、あと ") + std::to_string(days) + sj("日");
}

std::string dayHasComeText(const std::string& purpose) {
    return sj("今日は、") + boxItem(purpose) + sj("の日です\nがんばってね(^^)/");
}

std::string checkTodayText(const std::string& purpose) {
    return sj("今日は、") + boxItem(purpose) + sj("の日です。がんばってね(^^)/\n");
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
    std::vector<std::string> lines;
    for (const PlanItem& item : plan.items) {
        if (!item.entry) {
            check.boxes.push_back({false, item.text});
            lines.push_back(item.text + sj(" ： 日付を読み取れません"));
            continue;
        }
        const PlanEntry& e = *item.entry;
        check.boxes.push_back({true, item.days == 0 ? checkTodayText(e.purpose)
                                                    : countdownText(e.purpose, item.days)});
        std::string when = item.days > 0    ? sj("あと ") + std::to_string(item.days) + sj("日")
                           : item.days == 0 ? sj("今日")
                                            : std::to_string(-item.days) + sj("日前");
        lines.push_back(e.purpose + sj(" ： ") + planDateText(e.year, e.month, e.day) + sj(" （") +
                        when + sj("）"));
    }
    // A list edited by hand may hold a hundred entries, and a purpose of any length.
    check.closingText = boxList(lines);
    if (const PlanItem* first = plan.firstReadable(); first && first->days <= 0)
        check.dropKey = first->key;
    return check;
}

} // namespace qor
