#pragma once
// The listing of "辞書の印刷": a dictionary (or the vocabulary book) as tab-separated
// lines, English, Japanese and comment, each optionally after its line number.

#include "base/FileStatus.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// Section "Print Dic" of Setup.ini: read when the window opens, written by "閉じる (&C)".
struct PrintDicSettings {
    bool CommentOn = false;  // the comment "コメントはありません" is listed empty
    bool NumberOn = false;   // each line starts with its line number
    int Tab = 100;           // tab width in points

    // Missing keys (or a "Tab" that is not a number) take their defaults.
    static PrintDicSettings load(const std::string& setupIni);
    FileStatus save(const std::string& setupIni) const;
};

// The listing line of entry `index` (0-based): English + "\t" + Japanese + "\t" +
// comment, with numbers after (index + 1) + "：\t".
std::string listingLine(std::size_t index, std::string_view entryLine, bool numberOn,
                        bool commentOn);

struct Listing {
    std::vector<std::string> lines;
    FileStatus status;  // the file could not be read; lines is empty then
};

// Every line of the file as a listing line. started(n) once the file is read (n lines),
// progress(i) after line i.
Listing buildListing(const std::string& path, bool numberOn, bool commentOn,
                     const std::function<void(std::size_t)>& started = {},
                     const std::function<void(std::size_t)>& progress = {});

// The tab stops in points: T and 2T; with numbers 25, T and 2T. numberColumn is the width
// the widest line number needs (with its "："), in points: a wider one moves the first stop
// out to it, and the two others follow only where it passes them.
std::vector<double> listingTabStops(int tab, bool numberOn, double numberColumn = 0);

} // namespace qor
