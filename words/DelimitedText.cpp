#include "words/DelimitedText.h"

#include <algorithm>
#include <cstring>

namespace qor {

namespace {

std::size_t memchrFrom(std::string_view text, char c, std::size_t pos) {
    if (pos >= text.size()) return std::string_view::npos;
    const void* hit = std::memchr(text.data() + pos, c, text.size() - pos);
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text.data()) : std::string_view::npos;
}

} // namespace

NextByte::NextByte(std::string_view text, std::initializer_list<char> bytes)
    : text_(text), count_(std::min<std::size_t>(bytes.size(), 3)) {
    std::size_t i = 0;
    for (char b : bytes) {
        if (i == count_) break;
        bytes_[i] = b;
        next_[i++] = memchrFrom(text, b, 0);
    }
}

std::size_t NextByte::from(std::size_t pos) {
    std::size_t best = std::string_view::npos;
    for (std::size_t i = 0; i < count_; ++i) {
        // npos stays: the byte is nowhere after.
        if (next_[i] < pos) next_[i] = memchrFrom(text_, bytes_[i], pos);
        best = std::min(best, next_[i]);
    }
    return best;
}

namespace {

class Reader {
public:
    Reader(std::string_view text, char separator, DelimitedLimits limits)
        : text_(text), separator_(separator), limits_(limits), stops_(text, {separator, '\r', '\n'}) {}

    DelimitedText read() {
        DelimitedText out;
        // A record a line, mostly; the fields take no more than the text.
        out.rows.reserve(static_cast<std::size_t>(std::count(text_.begin(), text_.end(), '\n')) + 1,
                         text_.size());
        while (pos_ < text_.size()) {
            const std::size_t line = line_;
            const std::size_t start = pos_;
            out.rows.addRow(line);
            // One byte more than the limit is kept, so that a cut record shows as such.
            room_ = limits_.recordBytes == std::string::npos ? std::string::npos : limits_.recordBytes + 1;
            partFrom_ = std::string::npos;
            std::size_t fields = 0;
            for (;;) {
                field_ = fields;
                keeping_ = fields < limits_.fields;
                if (keeping_) out.rows.addField();
                field(out);
                ++fields;
                if (pos_ < text_.size() && text_[pos_] == separator_) {
                    ++pos_;
                    continue;
                }
                break;
            }
            const bool cut = pos_ - start > limits_.recordBytes;
            endOfLine();
            if (fields > limits_.fields) out.extraFieldLines.push_back(line);
            if (fields == 1 && out.rows.field(out.rows.size() - 1, 0).empty())
                out.rows.dropRow();
            else if (cut)
                out.rows.cutRow(limits_.cutFieldBytes, partFrom_);
        }
        return out;
    }

private:
    // Consumes CR LF, LF or CR at pos_ (nothing at the end of the text).
    void endOfLine() {
        if (pos_ >= text_.size()) return;
        if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
        ++pos_;
        ++line_;
    }

    // Adds as much of s to the field as the record still has room for; nothing to a field
    // past the limit of fields.
    void keep(DelimitedText& out, std::string_view s) {
        if (!keeping_) return;
        const std::size_t n = std::min(s.size(), room_);
        out.rows.append(s.substr(0, n));
        room_ -= n;
        if (n < s.size()) partFrom_ = std::min(partFrom_, field_);
    }

    // Unquoted text up to the next separator or line end.
    void plain(DelimitedText& out) {
        std::size_t end = std::min(stops_.from(pos_), text_.size());
        keep(out, text_.substr(pos_, end - pos_));
        pos_ = end;
    }

    void field(DelimitedText& out) {
        if (pos_ >= text_.size() || text_[pos_] != '"') {
            plain(out);
            return;
        }
        const std::size_t open = pos_;
        const std::size_t openLine = line_;
        const std::size_t room = room_;
        std::size_t p = pos_ + 1;
        std::size_t lines = 0;
        for (;;) {
            std::size_t q = text_.find('"', p);
            if (q == std::string_view::npos) {
                // Never closed: the quote is text, and the field ends with its line.
                out.unclosedQuoteLines.push_back(openLine);
                pos_ = open + 1;
                if (keeping_) out.rows.clearField();
                room_ = room;
                keep(out, "\"");
                plain(out);
                return;
            }
            std::string_view piece = text_.substr(p, q - p);
            for (std::size_t i = 0; i < piece.size(); ++i) {
                if (piece[i] == '\n' || (piece[i] == '\r' && (i + 1 >= piece.size() || piece[i + 1] != '\n')))
                    ++lines;
            }
            keep(out, piece);
            if (q + 1 < text_.size() && text_[q + 1] == '"') {
                keep(out, "\"");
                p = q + 2;
                continue;
            }
            pos_ = q + 1;
            break;
        }
        line_ += lines;
        // Text after the closing quote (a slip of the writing program) stays with the field.
        plain(out);
    }

    std::string_view text_;
    char separator_;
    DelimitedLimits limits_;
    NextByte stops_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
    std::size_t room_ = std::string::npos;  // bytes the current record may still keep
    bool keeping_ = true;                   // the current field is one of those kept
    std::size_t field_ = 0;                 // which field of its record
    std::size_t partFrom_ = std::string::npos;  // the first field of the record kept in part
};

} // namespace

DelimitedText readDelimited(std::string_view text, char separator, DelimitedLimits limits) {
    return Reader(text, separator, limits).read();
}

} // namespace qor
