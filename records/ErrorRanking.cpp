#include "ErrorRanking.h"

#include "RecordFiles.h"

#include <utility>

namespace qor {

namespace {
std::string errorKey(std::size_t place) {
    return "Error" + std::to_string(place + 1);
}
std::string numKey(std::size_t place) {
    return "Num" + std::to_string(place + 1);
}
} // namespace

Ranking ErrorRanking::read(IniFile& file, const std::string& dicFileName) {
    Ranking r;
    for (std::size_t i = 0; i < r.size(); ++i)
        r[i].word = file.read(dicFileName, errorKey(i), "NO");
    for (std::size_t i = 0; i < r.size(); ++i)
        r[i].count = recordCount(file.read(dicFileName, numKey(i), "0"));
    return r;
}

Ranking ErrorRanking::read(const std::string& userFolder, const std::string& dicFileName,
                           FileStatus* status) {
    IniFile file(errorRankingPath(userFolder));
    Ranking r = read(file, dicFileName);
    if (status)
        *status = file.readStatus();
    return r;
}

Ranking ErrorRanking::ranked(const Ranking& current, const std::string& wordKey,
                             int monthCount) {
    std::array<RankPlace, 7> places;
    for (std::size_t i = 0; i < current.size(); ++i)
        places[i] = current[i];
    places[6] = RankPlace{std::string(), 0};

    bool found = false;
    for (std::size_t i = 0; i < current.size(); ++i) {
        if (places[i].word == wordKey) {
            ++places[i].count;
            found = true;
        }
    }
    if (!found)
        places[6] = RankPlace{wordKey, monthCount};

    // Exchanges only on a strictly greater count, so equal counts keep their order.
    for (std::size_t i = 0; i < 6; ++i) {
        for (std::size_t j = 6; j > i; --j) {
            if (places[j].count > places[j - 1].count)
                std::swap(places[j], places[j - 1]);
        }
    }

    Ranking out;
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = std::move(places[i]);
    return out;
}

void ErrorRanking::update(IniFile& file, const std::string& dicFileName,
                          const std::string& wordKey, int monthCount) {
    Ranking r = ranked(read(file, dicFileName), wordKey, monthCount);
    for (std::size_t i = 0; i < r.size(); ++i)
        file.write(dicFileName, errorKey(i), r[i].word);
    for (std::size_t i = 0; i < r.size(); ++i)
        file.write(dicFileName, numKey(i), static_cast<long long>(r[i].count));
}

FileStatus ErrorRanking::update(const std::string& userFolder, const std::string& dicFileName,
                                const std::string& wordKey, int monthCount) {
    IniFile file(errorRankingPath(userFolder));
    update(file, dicFileName, wordKey, monthCount);
    return file.save();
}

} // namespace qor
