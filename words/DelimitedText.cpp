#include "words/DelimitedText.h"

namespace qor {

namespace {

class Reader {
public:
    Reader(std::string_view text, char separator) : text_(text), separator_(separator) {
        stops_[0] = separator;
        stops_[1] = '\r';
        stops_[2] = '\n';
    }

    DelimitedText read() {
        DelimitedText out;
        while (pos_ < text_.size()) {
            DelimitedRow row;
            row.line = line_;
            for (;;) {
                row.fields.push_back(field(out));
                if (pos_ < text_.size() && text_[pos_] == separator_) {
                    ++pos_;
                    continue;
                }
                endOfLine();
                break;
            }
            if (row.fields.size() > 1 || !row.fields.front().empty())
                out.rows.push_back(std::move(row));
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

    // Appends unquoted text up to the next separator or line end.
    void plain(std::string& value) {
        std::size_t end = text_.find_first_of(std::string_view(stops_, 3), pos_);
        if (end == std::string_view::npos) end = text_.size();
        value.append(text_.substr(pos_, end - pos_));
        pos_ = end;
    }

    std::string field(DelimitedText& out) {
        std::string value;
        if (pos_ >= text_.size() || text_[pos_] != '"') {
            plain(value);
            return value;
        }
        const std::size_t open = pos_;
        const std::size_t openLine = line_;
        std::size_t p = pos_ + 1;
        std::size_t lines = 0;
        for (;;) {
            std::size_t q = text_.find('"', p);
            if (q == std::string_view::npos) {
                // Never closed: the quote is text, and the field ends with its line.
                out.unclosedQuoteLines.push_back(openLine);
                pos_ = open + 1;
                value.assign(1, '"');
                plain(value);
                return value;
            }
            std::string_view piece = text_.substr(p, q - p);
            for (std::size_t i = 0; i < piece.size(); ++i) {
                if (piece[i] == '\n' || (piece[i] == '\r' && (i + 1 >= piece.size() || piece[i + 1] != '\n')))
                    ++lines;
            }
            value.append(piece);
            if (q + 1 < text_.size() && text_[q + 1] == '"') {
                value.push_back('"');
                p = q + 2;
                continue;
            }
            pos_ = q + 1;
            break;
        }
        line_ += lines;
        // Text after the closing quote (a slip of the writing program) stays with the field.
        plain(value);
        return value;
    }

    std::string_view text_;
    char separator_;
    char stops_[3];
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
};

} // namespace

DelimitedText readDelimited(std::string_view text, char separator) {
    return Reader(text, separator).read();
}

} // namespace qor
