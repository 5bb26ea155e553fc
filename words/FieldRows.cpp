#include "words/FieldRows.h"

#include "words/ImportText.h"

namespace qor {

std::size_t FieldRows::fieldCount(std::size_t row) const {
    return firstOfNext(row) - rows_[row].first;
}

std::string_view FieldRows::field(std::size_t row, std::size_t column) const {
    if (column >= fieldCount(row)) return {};
    const std::size_t f = rows_[row].first + column;
    return std::string_view(text_).substr(fieldStart(f), ends_[f] - fieldStart(f));
}

std::vector<std::string> FieldRows::fields(std::size_t row) const {
    std::vector<std::string> out;
    for (std::size_t c = 0; c < fieldCount(row); ++c) out.emplace_back(field(row, c));
    return out;
}

void FieldRows::reserve(std::size_t rows, std::size_t bytes) {
    rows_.reserve(rows);
    text_.reserve(bytes);
}

void FieldRows::addRow(std::size_t line) {
    rows_.push_back({line, static_cast<std::uint32_t>(ends_.size()), false});
}

void FieldRows::addField(std::string_view text) {
    text_.append(text);
    ends_.push_back(static_cast<std::uint32_t>(text_.size()));
}

void FieldRows::append(std::string_view text) {
    text_.append(text);
    ends_.back() = static_cast<std::uint32_t>(text_.size());
}

void FieldRows::clearField() {
    const std::size_t start = fieldStart(ends_.size() - 1);
    text_.resize(start);
    ends_.back() = static_cast<std::uint32_t>(start);
}

void FieldRows::dropRow() {
    const std::size_t first = rows_.back().first;
    text_.resize(fieldStart(first));
    ends_.resize(first);
    rows_.pop_back();
}

std::size_t FieldRows::rowBytes(std::size_t row) const {
    return fieldStart(firstOfNext(row)) - fieldStart(rows_[row].first);
}

void FieldRows::cutRow(std::size_t bytes, std::size_t partFrom) {
    const std::size_t row = rows_.size() - 1;
    std::vector<std::string> kept;
    for (std::size_t c = 0; c < fieldCount(row); ++c) {
        std::string_view f = field(row, c);
        if (f.size() <= bytes && c < partFrom)
            kept.emplace_back(f);
        else
            kept.push_back(std::string(utf8Prefix(f, bytes)) + "…");
    }
    const std::size_t line = rows_[row].line;
    dropRow();
    addRow(line);
    rows_.back().cut = true;
    for (const std::string& f : kept) addField(f);
}

void FieldRows::cutRowsOver(std::size_t most, std::size_t bytes) {
    std::size_t row = 0;
    while (row < rows_.size() && rowBytes(row) <= most) ++row;
    if (row == rows_.size()) return;
    FieldRows out;
    out.reserve(rows_.size(), text_.size());
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        out.addRow(rows_[r].line);
        out.rows_.back().cut = rows_[r].cut;
        for (std::size_t c = 0; c < fieldCount(r); ++c) out.addField(field(r, c));
        if (rowBytes(r) > most) out.cutRow(bytes);
    }
    *this = std::move(out);
}

void FieldRows::shiftLines(std::size_t n) {
    for (Row& r : rows_) r.line += n;
}

} // namespace qor
