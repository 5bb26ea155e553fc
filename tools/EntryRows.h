#pragma once
// The rows of the dictionary editor and the vocabulary book editor: one per line of the
// file, each holding the line exactly as read and the number shown in the "No." column.
// A row that is not rewritten keeps its bytes, so saving writes an unchanged line back as
// it was, bytes that are not valid CP932 included.

#include "base/FileStatus.h"
#include "words/WordEntry.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct EntryRow {
    std::string line;
    int number = 0; // 1-based, given when the row was loaded or added
};

// English + "=" + Japanese + "*" + comment, nothing checked or trimmed.
std::string entryLine(std::string_view english, std::string_view japanese,
                      std::string_view comment);

// English + separator + Japanese + separator + comment of one dictionary line; no quoting.
std::string csvLine(std::string_view line, std::string_view separator);

class EntryRows {
public:
    // Rows numbered 1 to n.
    void assign(std::vector<std::string> lines);
    void clear() { rows_.clear(); }

    int size() const { return static_cast<int>(rows_.size()); }
    bool empty() const { return rows_.empty(); }
    bool valid(int row) const { return row >= 0 && row < size(); }
    const EntryRow& at(int row) const { return rows_[static_cast<std::size_t>(row)]; }
    WordEntry parts(int row) const { return splitEntry(at(row).line); }

    // The row's line becomes English=Japanese*comment; its number stays.
    void rewrite(int row, std::string_view english, std::string_view japanese,
                 std::string_view comment);
    // The rows after it keep their numbers.
    void remove(int row);
    // A new last row numbered <rows before the add> + 1.
    void add(std::string_view english, std::string_view japanese, std::string_view comment);
    // Swaps the lines of two neighbours; the numbers stay with the positions. False at
    // the first row (up) or the last row (down).
    bool moveUp(int row);
    bool moveDown(int row);

    // The first row from `from` on whose line holds the text (case-sensitive, never
    // inside a double-byte character); nullopt when none does.
    std::optional<int> find(std::string_view text, int from = 0) const;

    std::vector<std::string> lines() const;
    std::vector<std::string> csvLines(std::string_view separator) const;

private:
    std::vector<EntryRow> rows_;
};

// Appends the rows as CSV lines to a file (its old lines stay in front); all or nothing.
FileStatus appendCsv(std::string_view path, const EntryRows& rows, std::string_view separator);

} // namespace qor
