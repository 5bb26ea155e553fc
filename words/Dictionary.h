#pragma once
// The dictionary file: one word entry per line, CR LF (a bare LF is accepted). The drill
// keeps no word list in memory; it reads the file anew whenever it needs a line, so a
// line index is only valid for the file as it was when the drill started.

#include "base/FileStatus.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct DictionaryLine {
    std::string line;
    bool found = false;  // false when the file has no line of that index
    FileStatus status;   // the file could not be read (found is false then)
};

struct DictionaryCount {
    std::size_t count = 0;
    FileStatus status;
};

// The line of 0-based index `index`, the file read anew.
DictionaryLine readLine(std::string_view path, std::size_t index);
// The number of lines (words) of the file.
DictionaryCount countLines(std::string_view path);

// The same on bytes already read, with the line rules of base/TextFile: a line ends at
// LF, a CR right before it is dropped, a last line without a break counts, an empty
// file has no line.
std::optional<std::string_view> lineAt(std::string_view bytes, std::size_t index);
std::size_t countLinesIn(std::string_view bytes);

// One reading of a dictionary file: its bytes, with the start of every line found in one
// pass when first needed. Whoever needs several lines of one moment (a question, its
// wrong choices, the line number of a word known by its text) reads the file once.
class DictionaryRead {
public:
    static DictionaryRead of(std::string_view path);
    // The same on bytes already in hand.
    static DictionaryRead ofBytes(std::string bytes);

    const FileStatus& status() const { return status_; }
    std::size_t count() const;
    // The line of 0-based index `index`, nullopt past the last line.
    std::optional<std::string_view> line(std::size_t index) const;
    // The index of the first line that is exactly `text`, nullopt when none is.
    std::optional<std::size_t> indexOf(std::string_view text) const;

private:
    void index() const;
    std::string_view indexedLine(std::size_t i) const;  // i below starts_.size()

    std::string bytes_;
    FileStatus status_;
    mutable std::vector<std::size_t> starts_;  // start of each line; empty until index()
    mutable bool indexed_ = false;
};

// The test of a file chosen as the dictionary: its first line must hold a "*" (the one
// that opens the comment of a well-formed entry).
enum class DictionaryVerdict {
    Accepted,
    Empty,          // no line at all
    NotDictionary,  // the first line holds no "*"
    Unreadable,     // see status: missing, no permission, a folder ...
};

struct DictionaryTest {
    DictionaryVerdict verdict = DictionaryVerdict::Unreadable;
    FileStatus status;
};

DictionaryTest testDictionaryFile(std::string_view path);

} // namespace qor
