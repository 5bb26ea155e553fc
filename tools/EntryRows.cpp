#include "tools/EntryRows.h"

#include "base/Cp932.h"
#include "base/TextFile.h"

#include <utility>

namespace qor {

std::string entryLine(std::string_view english, std::string_view japanese,
                      std::string_view comment) {
    std::string line;
    line.reserve(english.size() + japanese.size() + comment.size() + 2);
    line.append(english).append("=").append(japanese).append("*").append(comment);
    return line;
}

std::string csvLine(std::string_view line, std::string_view separator) {
    WordEntry e = splitEntry(line);
    std::string out;
    out.reserve(line.size() + 2 * separator.size());
    out.append(e.english).append(separator).append(e.japanese).append(separator).append(e.comment);
    return out;
}

void EntryRows::assign(std::vector<std::string> lines) {
    rows_.clear();
    rows_.reserve(lines.size());
    int number = 0;
    for (std::string& line : lines)
        rows_.push_back(EntryRow{std::move(line), ++number});
}

void EntryRows::rewrite(int row, std::string_view english, std::string_view japanese,
                        std::string_view comment) {
    if (valid(row))
        rows_[static_cast<std::size_t>(row)].line = entryLine(english, japanese, comment);
}

void EntryRows::remove(int row) {
    if (valid(row)) rows_.erase(rows_.begin() + row);
}

void EntryRows::add(std::string_view english, std::string_view japanese, std::string_view comment) {
    rows_.push_back(EntryRow{entryLine(english, japanese, comment), size() + 1});
}

bool EntryRows::moveUp(int row) {
    if (!valid(row) || row == 0) return false;
    std::swap(rows_[static_cast<std::size_t>(row)].line,
              rows_[static_cast<std::size_t>(row - 1)].line);
    return true;
}

bool EntryRows::moveDown(int row) {
    if (!valid(row) || row + 1 >= size()) return false;
    std::swap(rows_[static_cast<std::size_t>(row)].line,
              rows_[static_cast<std::size_t>(row + 1)].line);
    return true;
}

std::optional<int> EntryRows::find(std::string_view text, int from) const {
    for (int i = from < 0 ? 0 : from; i < size(); ++i) {
        if (contains(at(i).line, text)) return i;
    }
    return std::nullopt;
}

std::vector<std::string> EntryRows::lines() const {
    std::vector<std::string> out;
    out.reserve(rows_.size());
    for (const EntryRow& r : rows_)
        out.push_back(r.line);
    return out;
}

std::vector<std::string> EntryRows::csvLines(std::string_view separator) const {
    std::vector<std::string> out;
    out.reserve(rows_.size());
    for (const EntryRow& r : rows_)
        out.push_back(csvLine(r.line, separator));
    return out;
}

FileStatus appendCsv(std::string_view path, const EntryRows& rows, std::string_view separator) {
    return appendLines(path, rows.csvLines(separator));
}

} // namespace qor
