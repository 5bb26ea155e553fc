#pragma once
// Rows of text fields, as a word list's reader gives them, kept in one buffer with their
// bounds beside it: a list of a million entries takes a few allocations rather than
// millions, and about a third of the memory of a vector of strings a row.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class FieldRows {
public:
    bool empty() const { return rows_.empty(); }
    std::size_t size() const { return rows_.size(); }
    std::size_t fieldCount(std::size_t row) const;
    // Empty past the end of the row.
    std::string_view field(std::size_t row, std::size_t column) const;
    std::vector<std::string> fields(std::size_t row) const;
    std::size_t line(std::size_t row) const { return rows_[row].line; }  // 1-based, in the file
    // The row's text was longer than its reader keeps: its fields hold only their start.
    bool cut(std::size_t row) const { return rows_[row].cut; }

    // Room for about this many rows and bytes of text, so that a large file is not copied
    // again and again while it is read.
    void reserve(std::size_t rows, std::size_t bytes);
    // A new row, then its fields one after the other; text goes to the field begun last.
    void addRow(std::size_t line);
    void addField(std::string_view text = {});
    void append(std::string_view text);
    void clearField();
    // The last row: dropped (a blank line), or marked cut, each field kept to its first
    // `bytes` bytes (ending where a UTF-8 character ends) followed by "…" where it was
    // longer, or where its reader kept only part of it already (from field `partFrom` on).
    void dropRow();
    void cutRow(std::size_t bytes, std::size_t partFrom = static_cast<std::size_t>(-1));
    // Every row whose fields hold more than `most` bytes, cut so.
    void cutRowsOver(std::size_t most, std::size_t bytes);
    std::size_t rowBytes(std::size_t row) const;  // bytes of the row's fields together

    // Every field's text passed through f (a row of `fields` at a time), the rows otherwise
    // the same.
    template <class F> void transform(F&& f);
    // Each row's line number moved by n.
    void shiftLines(std::size_t n);

private:
    struct Row {
        std::size_t line;
        std::uint32_t first;  // index of its first field in ends_
        bool cut;
    };
    std::size_t fieldStart(std::size_t field) const { return field == 0 ? 0 : ends_[field - 1]; }
    std::size_t firstOfNext(std::size_t row) const {
        return row + 1 < rows_.size() ? rows_[row + 1].first : ends_.size();
    }

    std::string text_;
    std::vector<std::uint32_t> ends_;  // where each field ends in text_
    std::vector<Row> rows_;
};

template <class F> void FieldRows::transform(F&& f) {
    FieldRows out;
    out.reserve(rows_.size(), text_.size());
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        out.addRow(rows_[r].line);
        out.rows_.back().cut = rows_[r].cut;
        for (std::size_t c = 0; c < fieldCount(r); ++c) out.addField(f(field(r, c)));
    }
    *this = std::move(out);
}

} // namespace qor
