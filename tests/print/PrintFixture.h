#pragma once
// The printing windows on real files: a user "Taro" in a fresh data root whose Setup.ini
// lists the dictionary verbs.txt, the settings record with the program's defaults, a
// fixed clock, a scripted random source and the scripted platform.

#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/Random.h"
#include "base/TextFile.h"
#include "settings/SettingsStore.h"
#include "tests/support/ScriptedPlatform.h"
#include "tests/support/TempDir.h"
#include "ui/Text.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QSpinBox>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace qor::test {

class PrintFixture : public ::testing::Test {
protected:
    TempDir dir;
    FixedClock clock{DateTime{1999, 8, 9, 10, 5, 7}};
    ScriptedRandom random{{0}};
    TUserSettings settings;
    ScriptedPlatform platform;
    std::string dictionary;

    PrintFixture() {
        setClock(&clock);
        setRandom(&random);
        settings.ProgramFolder = dir.folder();
        settings.UserName = "Taro";
        makeFolder(settings.userFolder());
        makeFolder(dir.file("dictionary"));
        dictionary = dir.file("dictionary/verbs.txt");
        words({"apple=りんご*果物", "run,dash=走る,急ぐ*コメントはありません", "see=見る*目で",
               "go=行く*よく使う"});
        setup({"[Dictionary]", "DicNum=1", "1=verbs.txt", "[Dictionary Path]",
               "verbs.txt=" + dictionary});
        SettingsStore::load(settings);
        settings.files.DicInUse = dictionary;
    }
    ~PrintFixture() override {
        setRandom(nullptr);
        setClock(nullptr);
    }

    // The dictionary's lines (UTF-8, converted).
    void words(std::initializer_list<std::string_view> lines) const {
        std::vector<std::string> out;
        for (std::string_view line : lines)
            out.push_back(sj(line));
        ASSERT_TRUE(writeLines(dictionary, out));
    }
    // Setup.ini's lines (UTF-8, converted).
    void setup(std::initializer_list<std::string> lines) const {
        std::string bytes;
        for (const std::string& line : lines)
            bytes += sj(line) + "\r\n";
        spit(settings.setupIniPath(), bytes);
    }

    template <typename T>
    static T* find(QWidget& window, const char* name) {
        T* widget = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_TRUE(widget) << name;
        return widget;
    }
    static void click(QWidget& window, const char* name) {
        if (auto* b = find<QAbstractButton>(window, name))
            b->click();
    }
    static QString q(std::string_view utf8) {
        return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    }
    // CP932 lines from UTF-8 ones.
    static std::vector<std::string> sjLines(std::initializer_list<std::string_view> utf8) {
        std::vector<std::string> out;
        for (std::string_view line : utf8)
            out.push_back(sj(line));
        return out;
    }
    QString file(const char* name) const { return QString::fromStdString(dir.file(name)); }
};

} // namespace qor::test
