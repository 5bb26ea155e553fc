#pragma once
// A fresh user folder "Taro" in a temporary data root and a fixed clock, restored after.

#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/IniFile.h"
#include "base/TextFile.h"
#include "records/RecordFiles.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

namespace qor::test {

class RecordsTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string user = dir.file("Taro");
    FixedClock clock{DateTime{1999, 8, 9, 10, 0, 0}};

    void SetUp() override {
        makeFolder(user);
        setClock(&clock);
    }
    void TearDown() override { setClock(nullptr); }

    // Sets the clock and gives the date texts of that moment, as the program takes them.
    DateTexts at(int year, int month, int day, int hour = 10, int minute = 0, int second = 0) {
        clock.set(DateTime{year, month, day, hour, minute, second});
        return DateTexts::of(programClock().now());
    }

    std::string file(const std::string& name) const { return user + "/" + name; }
    std::string read(const std::string& name) const { return slurp(file(name)); }
    void put(const std::string& name, const std::string& bytes) const { spit(file(name), bytes); }

    // The names of the files in the user folder.
    std::set<std::string> files() const {
        std::set<std::string> out;
        for (const auto& e : std::filesystem::directory_iterator(user))
            out.insert(e.path().filename().string());
        return out;
    }
};

inline const RecordDictionary verbs{"verbs.txt", "verbs"};
inline const RecordDictionary nouns{"nouns.txt", "nouns"};

} // namespace qor::test
