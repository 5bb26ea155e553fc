#pragma once
// The error ranking file "error5.cun": for each dictionary (a section named by its file
// name) the six most-missed words, "Error1".."Error6" with their counts "Num1".."Num6".
// An unfilled place is "NO" with 0.
//
// The counts are the ranking's own: a word enters with its miss count of the month and
// then gains 1 for each further recorded miss while it stays among the six.

#include "base/FileStatus.h"
#include "base/IniFile.h"

#include <array>
#include <string>

namespace qor {

struct RankPlace {
    std::string word = "NO";
    int count = 0;
    bool operator==(const RankPlace&) const = default;
};

using Ranking = std::array<RankPlace, 6>;

class ErrorRanking {
public:
    // The six places of a dictionary's section (missing ones read as "NO" / 0).
    static Ranking read(IniFile& file, const std::string& dicFileName);
    // When error5.cun exists but cannot be read, `status` (if given) says why.
    static Ranking read(const std::string& userFolder, const std::string& dicFileName,
                        FileStatus* status = nullptr);

    // The ranking after one recorded miss of wordKey, whose month count (after this miss)
    // is monthCount. Every place holding the key exactly (letter case counts) gains 1;
    // otherwise the key is a seventh place with monthCount. A stable exchange sort, highest
    // first, then drops the seventh place, so a newcomer that ties the sixth is dropped.
    static Ranking ranked(const Ranking& current, const std::string& wordKey, int monthCount);

    // The update on an open file: read the section, rank, write "Error1".."Error6" then
    // "Num1".."Num6". The caller stores the file with save(), together with its other writes.
    static void update(IniFile& file, const std::string& dicFileName, const std::string& wordKey,
                       int monthCount);
    // The same on the user's error5.cun, read and stored once.
    static FileStatus update(const std::string& userFolder, const std::string& dicFileName,
                             const std::string& wordKey, int monthCount);
};

} // namespace qor
