#pragma once
// The importance file of a dictionary (user folder / dictionary name + "_imp.dat"): one
// line per rated word, level + "_" + the word's whole dictionary line, level 1 to 5.
// A level of 0 is never stored. After every change the file is sorted in
// case-insensitive order and written back.
//
// A rewrite keeps the previous contents in "old.dat" beside the file until the new file
// is complete. A leftover "old.dat" means a rewrite did not finish (the program died
// half-way): at the next use of any importance file of that folder its contents are put
// back. "old.dat" starts with a line naming the importance file it belongs to,
// "[<file name>]", because all dictionaries of a user share it; an "old.dat" without
// that line was not written by this program and is left alone.

#include "base/FileStatus.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// dictionary name + "_imp.dat"
std::string importanceFileName(std::string_view dictionaryName);

constexpr int kMaxImportance = 5;

struct ImportanceEntry {
    int level = 0;
    std::string lineText;
};

// The same lines as places in the file's bytes, read once without a string per line: for
// a reader that keeps few of many lines (the drill asks at most 1,000 of them).
struct RatedLines {
    struct Line {
        int level = 0;
        std::size_t start = 0;  // of the line text in bytes
        std::size_t size = 0;
    };
    std::string bytes;
    std::vector<Line> lines;
    FileStatus status;  // as for ImportanceList

    std::string_view text(const Line& line) const {
        return std::string_view(bytes).substr(line.start, line.size);
    }
};

struct ImportanceLevel {
    int level = 0;
    FileStatus status;  // a missing file is level 0 and no failure
};

struct ImportanceList {
    std::vector<ImportanceEntry> entries;
    // A missing file gives no entries and a failure whose isMissingFile() is true, so
    // that a caller can tell "no ratings yet" from "cannot be read".
    FileStatus status;
};

class ImportanceFile {
public:
    explicit ImportanceFile(std::string path);

    const std::string& path() const { return path_; }
    // "old.dat" in the folder of the importance file.
    std::string backupPath() const;

    // The level of the first line whose text after its first "_" is lineText; 0 when none.
    ImportanceLevel levelOf(std::string_view lineText);
    // One level up; level 5 stays; a word without a line gets "1_" + lineText.
    FileStatus raise(std::string_view lineText);
    // One level down (level 1 removes the line); a word without a line changes nothing.
    FileStatus lower(std::string_view lineText);
    // Sets the level (0 removes the line). The same level changes nothing at all: the
    // file stays byte for byte as it was.
    FileStatus setLevel(std::string_view lineText, int level);
    // Every line as level and line text, in file order. A line whose level is not a
    // number reads as level 0; levels above 5 read as 5.
    ImportanceList readAll();
    RatedLines readRated();

    // Puts a leftover "old.dat" back where it belongs. Run by every operation above.
    FileStatus recover();

private:
    struct Content;
    Content load();
    FileStatus store(std::vector<std::string> lines, const Content& before);

    std::string path_;
};

} // namespace qor
