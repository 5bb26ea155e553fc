#pragma once
// The schedule table of the settings dialog: the plan entries in the learner's order,
// at most five, each a purpose and a date. OK stores the rows as the entries of
// section "Plan" (settings/PlanFile.h).

#include "settings/PlanFile.h"

#include <optional>
#include <string>
#include <vector>

namespace qor {

struct ScheduleRow {
    std::string purpose; // CP932
    int year = 0;
    int month = 0;
    int day = 0;
    // The stored text of an entry that cannot be read. It stays as it stands until the
    // learner changes or deletes the row, so that opening the dialog loses nothing.
    std::optional<std::string> unreadable;

    std::string dateText() const;  // "2002/3/15", or empty for an unreadable row
    std::string entryText() const; // what Setup.ini keeps
};

enum class ScheduleProblem {
    None,
    Full,           // five rows already
    NoPurpose,      // the purpose is empty
    PurposeTooLong, // more than 14 bytes
    CommaInPurpose, // a "," would end the purpose early when the entry is read again
    NoSuchDate,     // 2/31, or a year outside the calendar
};

class ScheduleTable {
public:
    static constexpr int kMaxRows = 5;
    // Seven full-width or fourteen half-width characters.
    static constexpr std::size_t kMaxPurposeBytes = 14;

    // The rows of the stored entries, in their order (unreadable ones included).
    static ScheduleTable fromPlan(const PlanList& plan);

    // What keeps a row from the table (the purpose first, then the date).
    static ScheduleProblem check(const ScheduleRow& row);

    // "追加 (&A)": a full table first, then the row's own problems.
    ScheduleProblem add(const ScheduleRow& row);
    // "変更 (&C)": the row at index takes the new values.
    ScheduleProblem change(int index, const ScheduleRow& row);
    // "削除 (&D)"; false for an index without a row.
    bool remove(int index);
    // The mover: swaps the row with the one `by` rows away (-1 up, 1 down). Returns the
    // row's new index, or -1 when it cannot move so far.
    int move(int index, int by);

    const std::vector<ScheduleRow>& rows() const { return rows_; }
    int size() const { return static_cast<int>(rows_.size()); }
    // The plan entries to store, in the table's order.
    std::vector<std::string> entryTexts() const;

private:
    bool valid(int index) const { return index >= 0 && index < size(); }

    std::vector<ScheduleRow> rows_;
};

// The warning for a problem (CP932), naming the field; empty for None.
std::string scheduleProblemText(ScheduleProblem problem, const ScheduleRow& row);

} // namespace qor
